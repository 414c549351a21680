#include "tests/framework/harness.h"

#include <cstring>
#include <gtest/gtest.h>

#include "host/robot/robot.h"

namespace fwtest {

namespace {

// The robot's failures become gtest failures in every program that links
// this (gtest assertions may be used from the robot thread).
const bool kRobotReportsToGtest = [] {
    robot::FailureHooks hooks;
    hooks.report = [](const std::string& message) { ADD_FAILURE() << message; };
    hooks.hasFatalFailure = [] { return ::testing::Test::HasFatalFailure(); };
    robot::SetFailureHooks(hooks);
    return true;
}();

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const char* title) {
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.cx = cx;
    header.cy = cy;
    m_words.resize(sizeof(header) / sizeof(WORD));
    std::memcpy(m_words.data(), &header, sizeof(header));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // standard dialog class
    AddText(title);
    m_words.push_back(8);  // point size
    AddText("MS Shell Dlg");
}

void DialogTemplate::AddText(const char* text) {
    for (const char* p = text; *p; ++p) m_words.push_back(static_cast<BYTE>(*p));
    m_words.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (m_words.size() % 2) m_words.push_back(0);
}

DialogTemplate& DialogTemplate::Add(ItemClass itemClass, DWORD style, int id, short x, short y,
                                    short cx, short cy, const char* text) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = static_cast<WORD>(id);
    const size_t at = m_words.size();
    m_words.resize(at + sizeof(item) / sizeof(WORD));
    std::memcpy(m_words.data() + at, &item, sizeof(item));
    m_words.push_back(0xFFFF);
    m_words.push_back(itemClass);
    AddText(text);
    m_words.push_back(0);  // no creation data
    auto* header = reinterpret_cast<DLGTEMPLATE*>(m_words.data());
    header->cdit = static_cast<WORD>(header->cdit + 1);
    return *this;
}

namespace {
INT_PTR CALLBACK SilentDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

HWND CreateModeless(const DialogTemplate& dialogTemplate, DLGPROC procedure, LPARAM parameter) {
    return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate.Get(), nullptr,
                                        procedure ? procedure : SilentDialogProc, parameter);
}

}  // namespace fwtest
