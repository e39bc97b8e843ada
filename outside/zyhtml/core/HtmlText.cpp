#include "HtmlText.h"

namespace vantor::zyhtml {

std::string EscapeHtml(std::string_view text)
{
    std::string html;
    html.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\'':
            html += "&#39;";
            break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            html += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
        }
    }
    return html;
}

}  // namespace vantor::zyhtml
