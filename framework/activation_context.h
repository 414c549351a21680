// Activates a module's own manifest (resource id 2) for the lifetime of the
// object, so that windows created meanwhile by this thread get the controls
// that manifest asks for (comctl32 version 6). When the module has no such
// manifest or the context cannot be made, the object does nothing.
//
//   ActivationContext context(Module().instance);
//   sheet.DoModal();
#pragma once
#include <windows.h>

class ActivationContext {
public:
    explicit ActivationContext(HMODULE module, UINT manifestId = 2) noexcept;
    ~ActivationContext();
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;

    // True while the module's context is the thread's active one.
    bool IsActive() const { return m_active; }

private:
    HANDLE m_context = INVALID_HANDLE_VALUE;
    ULONG_PTR m_cookie = 0;
    bool m_active = false;
};
