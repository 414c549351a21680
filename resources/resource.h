// Resource identifiers of the module.
#pragma once
