// The system's web browser control hosted in a child window through OLE
// (the control site, in-place site and frame it asks its container for).
// Windows builds; the calling thread must be in a single-threaded apartment.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace vantor::views {

class WebBrowserHost {
public:
    // The control in-place active in `parent`, filling it; null when the
    // system has no usable browser control.
    static std::unique_ptr<WebBrowserHost> Create(HWND parent);
    virtual ~WebBrowserHost() = default;

    // Opens a file or address; an empty address opens a blank page. False
    // when the control refused.
    virtual bool Navigate(const std::string& address) = 0;
    // The parent changed size: the control fills it again.
    virtual void Fit() = 0;
    // The control holds a document: false some while after a navigation
    // means it cannot render pages (a system without an HTML engine).
    virtual bool HasDocument() = 0;
};

}  // namespace vantor::views
