// VordaCond where: the names a condition gives a document and where the
// tree of the current LibRoot folder stands, as text and as JSON.
#include <windows.h>

#include "tests/tool/vordacond_fixture.h"

namespace tooltest {
namespace {

TEST_F(VordaCondTest, WhereNamesTheLayersAndLooksThemUpInTheTree) {
    WriteCondition("sInvoices.INI", ConditionKeys(0));
    IniKeys fax = With(ConditionKeys(1), "FAX-RX", "BINDER",
                       (std::string("@FAX-TSI") + kSep + "@FAX-PORT" + kSep).c_str());
    fax = With(fax, "FAX-RX", "FAX-CHECK", (std::string("@FAX-TSI") + kSep).c_str());
    fax = With(fax, "FAX-RX", "INDEX", "@DATE-YMW-MON");
    fax = With(fax, "FAX-RX", "DATETYPE", "@DATE-YMW");
    fax = With(fax, "FAX-RX", "DATEWEEK", "@DATE-YMW-MON");
    WriteCondition("fFaxes.INI", fax);
    const std::string cabinet = libRoot + "\\Papers#1\\2026#1";

    const testsupport::ProgramRun text =
        Run("where --kind scanner invoices --at \"2026-10-31 09:30\"");
    EXPECT_EQ(0u, text.exitCode) << text.output;
    EXPECT_EQ(
        "scanner condition Invoices, a document of 2026-10-31 09:30:\n"
        "  library:  Papers  (exists: " +
            libRoot +
            "\\Papers#1)\n"
            "  cabinet:  2026  (exists: " +
            cabinet +
            ")\n"
            "  binder:   January  (exists: " +
            cabinet +
            "\\B1)\n"
            "  index:    2026/10/31\n"
            "  note:     (off)\n"
            "  example:  Papers > 2026 > January > 2026/10/31\n"
            "  LibRoot:  " +
            libRoot + "\n",
        text.output);

    // A binder named after the sender is not in the tree yet: a new one.
    const testsupport::ProgramRun json =
        Run("where --kind fax-receive Faxes --at \"2026-11-02 17:05\" --fax-sender 03-555 --json");
    EXPECT_EQ(0u, json.exitCode) << json.output;
    for (const std::string& part : {
             std::string("\"at\":\"2026-11-02 17:05\""),
             std::string("\"example\":\"Papers > 2026 > 03-555 > 2026/11 Week 2 > 17:05\""),
             std::string("{\"layer\":\"binder\",\"on\":true,\"name\":\"03-555\",\"tree\":\"new\","
                         "\"folder\":null}"),
             std::string("{\"layer\":\"note\",\"on\":true,\"name\":\"17:05\"}"),
         }) {
        EXPECT_NE(std::string::npos, json.output.find(part)) << part << "\n" << json.output;
    }
}

}  // namespace
}  // namespace tooltest
