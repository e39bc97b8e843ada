/*
 * ZyIni.dll: the DMI library's INI writer. Writes the information INI form
 * (see InfoIniForm.h for the records, including the FileName and DisplayName
 * keys the HTML generator reads).
 *
 * The DMI library loads it by file name and finds every function by name; all
 * use the C calling convention. Numbers are 32-bit signed, texts NUL-terminated
 * ANSI. Every write goes to the file IniFileInitial started; writes before it
 * are ignored. The file is rewritten whole after each call, so it is complete
 * whenever a call has returned.
 */
#ifndef ZYINI_ZYINI_H
#define ZYINI_ZYINI_H

#include <stdint.h>

#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZYINI_LIBRARY_NAME "ZyIni.dll"

/* Starts a new, empty INI file at the path (an existing file is replaced). */
typedef void(__cdecl* IniFileInitialFn)(const char* path);
/* Root entry `number` = "0|section". */
typedef void(__cdecl* IniWriteRootSectionFn)(int32_t number, const char* section);
/* Count of the section; a later call replaces it. */
typedef void(__cdecl* IniWriteCountFn)(const char* section, int32_t count);
/* Entry `number` of the section = "0|child". */
typedef void(__cdecl* IniWriteItemFn)(const char* section, int32_t number, const char* child);
/* Entry `number` of the section = "1|key|value". */
typedef void(__cdecl* IniWriteValueFn)(const char* section, int32_t number, const char* key, const char* value);
/* FileName of the section: its HTML page's name without extension. */
typedef void(__cdecl* IniWriteFilenameFn)(const char* section, const char* fileName);
/* DisplayName of the section: its page's title. */
typedef void(__cdecl* IniWriteDisplaynameFn)(const char* section, const char* displayName);

#define INI_FILE_INITIAL_NAME "IniFileInitial"
#define INI_WRITE_ROOT_SECTION_NAME "IniWriteRootSection"
#define INI_WRITE_COUNT_NAME "IniWriteCount"
#define INI_WRITE_ITEM_NAME "IniWriteItem"
#define INI_WRITE_VALUE_NAME "IniWriteValue"
#define INI_WRITE_FILENAME_NAME "IniWriteFilename"
#define INI_WRITE_DISPLAYNAME_NAME "IniWriteDisplayname"

#ifdef __cplusplus
}
#endif

#endif /* ZYINI_ZYINI_H */
