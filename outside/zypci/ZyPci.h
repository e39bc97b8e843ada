/*
 * ZyPci.dll: the PCI devices of this computer as an information INI file
 * (ZyPci.ini) and HTML pages.
 *
 * The monitoring program's information worker loads it by file name and
 * finds PCI_GetAll by name. C calling convention.
 *
 * PCI_GetAll(folder) reads PCI configuration space through ZyIO.dll's ports
 * (configuration mechanism 1), names what it finds from pci.ids beside the
 * program, writes <folder>\ZyPci.ini (Root lists one section per function,
 * named bus-device-function in decimal, "0-31-2") and has ZyHtmlEngine.dll
 * make index.htm and a page per function in the folder, which it creates.
 * Returns 1 when the file and the pages were made, else 0; the program does
 * not use it.
 */
#ifndef ZYPCI_ZYPCI_H
#define ZYPCI_ZYPCI_H

#include <stdint.h>

#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZYPCI_LIBRARY_NAME "ZyPci.dll"

typedef uint8_t(__cdecl* PciGetAllFn)(const char* outputFolder);
#define PCI_GET_ALL_NAME "PCI_GetAll"

#ifdef __cplusplus
}
#endif

#endif /* ZYPCI_ZYPCI_H */
