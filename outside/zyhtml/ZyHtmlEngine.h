/*
 * ZyHtmlEngine.dll: turns an information INI file into HTML pages.
 *
 * The DMI and WMI libraries load it by file name and find HTML_ENGINE_GO by
 * name. C calling convention.
 *
 * HTML_ENGINE_GO(kind, iniFolder, htmlFolder) reads <iniFolder>\<file> for the
 * kind (0: ZyWmi.ini, 1: ZyDMI.ini, 2: ZyPci.ini) and writes into htmlFolder:
 * index.htm (the section tree from Root), one page per value section, named
 * after its FileName (else its section name) with ".htm", and the shared
 * stylesheet vantor-info.css. Returns 1 when the INI file was read and every
 * page written, else 0. When the INI file cannot be read, index.htm still
 * appears and says so; an unknown kind or a missing folder writes nothing.
 */
#ifndef ZYHTML_ZYHTMLENGINE_H
#define ZYHTML_ZYHTMLENGINE_H

#include <stdint.h>

#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZYHTML_LIBRARY_NAME "ZyHtmlEngine.dll"

typedef uint8_t(__cdecl* HtmlEngineGoFn)(int32_t kind, const char* iniFolder, const char* htmlFolder);
#define HTML_ENGINE_GO_NAME "HTML_ENGINE_GO"

#ifdef __cplusplus
}
#endif

#endif /* ZYHTML_ZYHTMLENGINE_H */
