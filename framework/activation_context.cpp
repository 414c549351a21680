#include "framework/activation_context.h"

ActivationContext::ActivationContext(HMODULE module, UINT manifestId) noexcept {
    if (!module) return;
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(module, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return;
    // Without the resource the platform would fall back to a manifest file
    // beside the module; only the embedded one is wanted.
    if (!::FindResourceA(module, MAKEINTRESOURCEA(manifestId), MAKEINTRESOURCEA(24))) return;

    ACTCTXA description = {};
    description.cbSize = sizeof(description);
    description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.hModule = module;
    description.lpSource = path;
    description.lpResourceName = MAKEINTRESOURCEA(manifestId);
    m_context = ::CreateActCtxA(&description);
    if (m_context == INVALID_HANDLE_VALUE) return;
    if (::ActivateActCtx(m_context, &m_cookie)) {
        m_active = true;
    } else {
        ::ReleaseActCtx(m_context);
        m_context = INVALID_HANDLE_VALUE;
    }
}

ActivationContext::~ActivationContext() {
    if (m_active) ::DeactivateActCtx(0, m_cookie);
    if (m_context != INVALID_HANDLE_VALUE) ::ReleaseActCtx(m_context);
}
