// A recording stand-in for Windows' UIAutomationCore.dll, as a screen reader
// would meet the game (tests/system/windows-screenreader.sh). It exports what
// Qt's bridge resolves, says that a client is listening, and writes to
// standard error, a line each, every event raised, and the tree of elements
// it is handed: ControlType|Name|FullDescription|IsKeyboardFocusable, indented.
//   rundll32 uiautomationcore.dll,Ask   asks the window "Facereel" for its
// elements (WM_GETOBJECT for the root), as a screen reader begins.
#include <cstdio>
#include <string>

#include <windows.h>

#include <uiautomationclient.h>
#include <uiautomationcore.h>

namespace {

std::string utf8(BSTR text)
{
    std::string s(SysStringLen(text) * 3, '\0');
    s.resize(WideCharToMultiByte(CP_UTF8, 0, text, int(SysStringLen(text)), s.data(), int(s.size()), nullptr, nullptr));
    return s;
}

std::string property(IRawElementProviderSimple *element, PROPERTYID id) // "" for none, "?" if it cannot be read
{
    VARIANT v;
    VariantInit(&v);
    const bool read = SUCCEEDED(element->GetPropertyValue(id, &v))
                      && SUCCEEDED(VariantChangeType(&v, &v, VARIANT_ALPHABOOL, VT_BSTR));
    const std::string text = read ? utf8(v.bstrVal) : "?";
    VariantClear(&v);
    return text;
}

HRESULT say(const std::string &line)
{
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    return S_OK;
}

// The element, its children, then its later siblings; releases it.
void walk(IRawElementProviderFragment *element, const std::string &indent)
{
    IRawElementProviderSimple *simple = nullptr;
    if (SUCCEEDED(element->QueryInterface(IID_PPV_ARGS(&simple)))) {
        say("tree " + indent + property(simple, UIA_ControlTypePropertyId) + '|' + property(simple, UIA_NamePropertyId)
            + '|' + property(simple, UIA_FullDescriptionPropertyId) + '|'
            + property(simple, UIA_IsKeyboardFocusablePropertyId));
        simple->Release();
    }
    IRawElementProviderFragment *child = nullptr, *sibling = nullptr;
    element->Navigate(NavigateDirection_FirstChild, &child);
    if (child)
        walk(child, indent + "  ");
    if (!indent.empty()) // not the game's other top-level windows
        element->Navigate(NavigateDirection_NextSibling, &sibling);
    if (sibling)
        walk(sibling, indent);
    element->Release();
}

} // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple *root)
{
    IRawElementProviderFragment *window = nullptr;
    if (SUCCEEDED(root->QueryInterface(IID_PPV_ARGS(&window))))
        walk(window, "");
    return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple **)
{
    return E_NOTIMPL; // Qt asks only when UI Automation asks it for the host, which the walk never does
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple *element, EVENTID id)
{
    return say("event " + std::to_string(id) + ' ' + property(element, UIA_NamePropertyId));
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple *element,
                                                                            PROPERTYID id, VARIANT, VARIANT)
{
    return say("property " + std::to_string(id) + ' ' + property(element, UIA_NamePropertyId));
}

// Kind and processing: NotificationKind and NotificationProcessing, by number.
__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple *, int kind, int processing,
                                                               BSTR text, BSTR)
{
    return say("notification " + std::to_string(kind) + ' ' + std::to_string(processing) + ' ' + utf8(text));
}

__declspec(dllexport) void CALLBACK Ask(HWND, HINSTANCE, LPSTR, int)
{
    if (HWND game = FindWindowW(nullptr, L"Facereel"))
        SendMessageW(game, WM_GETOBJECT, 0, -25); // UiaRootObjectId
}

} // extern "C"
