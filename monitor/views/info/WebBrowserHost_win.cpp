// CoCreateInstance of CLSID_WebBrowser, in-place activation with a minimal
// container (IOleClientSite, IOleInPlaceSite, IOleInPlaceFrame) and
// IWebBrowser2::Navigate2.
#include "info/WebBrowserHost_win.h"

#include <exdisp.h>
#include <ole2.h>
#include <oleidl.h>

#include <string>

namespace vantor::views {
namespace {

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// COM interfaces are released, never deleted through: their destructors are
// not virtual by design.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// The container side of the control. It lives inside the host, which
// outlives every reference the control holds (the control is closed and
// released first), so the counts are kept only for the control's sake.
class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    explicit Site(HWND parent) : m_parent(parent) {}

    RECT Bounds() const
    {
        RECT r{};
        GetClientRect(m_parent, &r);
        return r;
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleInPlaceSite || iid == IID_IOleWindow)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceFrame || iid == IID_IOleInPlaceUIWindow)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return m_references > 1 ? --m_references : 1; }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        if (moniker)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override
    {
        if (container)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (both the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override
    {
        if (!window)
            return E_POINTER;
        *window = m_parent;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (!frame || !document || !position || !clip || !info)
            return E_POINTER;
        *frame = this;
        AddRef();
        *document = nullptr;
        *position = Bounds();
        *clip = Bounds();
        info->cb = sizeof(OLEINPLACEFRAMEINFO);
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(m_parent, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
    STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    HWND m_parent;
    ULONG m_references = 1;
};

#pragma GCC diagnostic pop

class OleBrowser final : public WebBrowserHost {
public:
    explicit OleBrowser(HWND parent) : m_site(parent) {}
    ~OleBrowser() override
    {
        if (m_browser)
            m_browser->Release();
        if (m_object) {
            m_object->Close(OLECLOSE_NOSAVE);
            m_object->SetClientSite(nullptr);
            m_object->Release();
        }
        if (m_oleStarted)
            OleUninitialize();
    }

    bool Open(HWND parent)
    {
        // The control needs OLE on this (single-threaded apartment) thread.
        m_oleStarted = SUCCEEDED(OleInitialize(nullptr));
        if (!m_oleStarted)
            return false;
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_object))) ||
            !m_object)
            return false;
        if (FAILED(m_object->SetClientSite(static_cast<IOleClientSite*>(&m_site))))
            return false;
        RECT bounds = m_site.Bounds();
        if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(&m_site), 0, parent,
                                    &bounds)))
            return false;
        if (FAILED(m_object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_browser))) || !m_browser)
            return false;
        Fit();
        return true;
    }

    bool Navigate(const std::string& address) override
    {
        VARIANT url;
        VariantInit(&url);
        url.vt = VT_BSTR;
        url.bstrVal = SysAllocString((address.empty() ? std::wstring(L"about:blank") : Wide(address)).c_str());
        VARIANT none;
        VariantInit(&none);
        const HRESULT result = m_browser->Navigate2(&url, &none, &none, &none, &none);
        VariantClear(&url);
        return SUCCEEDED(result);
    }

    void Fit() override
    {
        const RECT r = m_site.Bounds();
        m_browser->put_Left(0);
        m_browser->put_Top(0);
        m_browser->put_Width(r.right - r.left);
        m_browser->put_Height(r.bottom - r.top);
    }

    bool HasDocument() override
    {
        IDispatch* document = nullptr;
        if (FAILED(m_browser->get_Document(&document)) || !document)
            return false;
        document->Release();
        return true;
    }

private:
    Site m_site;
    bool m_oleStarted = false;
    IOleObject* m_object = nullptr;
    IWebBrowser2* m_browser = nullptr;
};

}  // namespace

std::unique_ptr<WebBrowserHost> WebBrowserHost::Create(HWND parent)
{
    if (!parent)
        return nullptr;
    auto browser = std::make_unique<OleBrowser>(parent);
    if (!browser->Open(parent))
        return nullptr;
    return browser;
}

}  // namespace vantor::views
