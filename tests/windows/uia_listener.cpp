// What a Windows screen reader hears from parabolix.exe through UI Automation,
// one line at a time: the window, each control's kind and name; then each
// focus change (a window taking the focus, such as a message, is read whole).
// Runs until stopped; the window must open within a minute. Usage: uia_listener.exe
#include <cstdio>
#include <fcntl.h>
#include <initguid.h>
#include <io.h>
#include <map>
#include <string>
#include <uiautomationclient.h>
#include <windows.h>

namespace {

void say(const std::wstring& line)
{
    std::wprintf(L"%ls\n", line.c_str());
}

// A control as a user hears it: its kind and its name.
std::wstring heard(IUIAutomationElement* element)
{
    static const std::map<CONTROLTYPEID, std::wstring> kinds{{UIA_ButtonControlTypeId, L"Button"},
        {UIA_EditControlTypeId, L"Edit"}, {UIA_TextControlTypeId, L"Text"},
        {UIA_WindowControlTypeId, L"Window"}, {UIA_GroupControlTypeId, L"Group"},
        {UIA_CustomControlTypeId, L"Custom"}, {UIA_ImageControlTypeId, L"Image"}};
    CONTROLTYPEID kind = 0;
    BSTR name = nullptr;
    element->get_CurrentControlType(&kind);
    element->get_CurrentName(&name);
    const std::wstring heard = (kinds.count(kind) ? kinds.at(kind) : std::to_wstring(kind)) + L" \""
        + (name ? name : L"") + L"\"";
    SysFreeString(name);
    return heard;
}

// A window and every control in it, in UI Automation's order.
std::wstring whole(IUIAutomation* uia, IUIAutomationElement* window)
{
    IUIAutomationCondition* every = nullptr;
    IUIAutomationElementArray* found = nullptr;
    std::wstring line = heard(window) + L":";
    int count = 0;
    if (SUCCEEDED(uia->CreateTrueCondition(&every))
        && SUCCEEDED(window->FindAll(TreeScope_Descendants, every, &found)))
        found->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement* control = nullptr;
        found->GetElement(i, &control);
        line += (i ? L" / " : L" ") + heard(control);
    }
    return line;
}

// A COM object is let go through Release, never deleted through its interface.
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct FocusListener : IUIAutomationFocusChangedEventHandler {
    IUIAutomation* uia = nullptr;

    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        const bool ours = iid == IID_IUnknown || iid == IID_IUIAutomationFocusChangedEventHandler;
        *out = ours ? this : nullptr;
        return ours ? S_OK : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* element) override
    {
        const std::wstring control = heard(element);
        say(control.starts_with(L"Window ") ? whole(uia, element) : control);
        return S_OK;
    }
};

} // namespace

int main()
{
    _setmode(_fileno(stdout), _O_U8TEXT); // and each line as it is said:
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    HWND window = nullptr;
    for (int tries = 0; tries < 600 && !(window && IsWindowVisible(window)); ++tries, Sleep(100))
        window = FindWindowW(nullptr, L"Parabolix");
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    FocusListener listener;
    IUIAutomationElement* form = nullptr;
    CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
        reinterpret_cast<void**>(&listener.uia));
    if (!window || !listener.uia || FAILED(listener.uia->ElementFromHandle(window, &form)))
        return 1; // and the tour hears nothing
    listener.uia->AddFocusChangedEventHandler(nullptr, &listener);
    say(whole(listener.uia, form)); // listening from here on, on UI Automation's threads
    Sleep(INFINITE);
}
