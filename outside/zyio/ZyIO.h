/*
 * ZyIO.dll: processor registers, I/O ports and physical memory for
 * user-mode code.
 *
 * The hardware access, DMI and PCI libraries load it by file name and
 * find every entry point by name with GetProcAddress, so this header gives the
 * names and the pointer types their callers bind. All use the C calling
 * convention; words are 32-bit unsigned.
 */
#ifndef ZYIO_ZYIO_H
#define ZYIO_ZYIO_H

#include <stdint.h>

#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl /* the only convention there is */
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ZYIO_LIBRARY_NAME "ZyIO.dll"

/* Opens the library for use. The hardware access library passes null, the
 * DMI library the program folder; a second open in one process is accepted.
 * The result is not used. */
typedef int(__cdecl* ZyioOpenFn)(const char* programFolder);
#define ZYIO_OPEN_NAME "ZYIO_Open"

/* Ends the use begun by ZYIO_Open (the hardware access library, at unload). */
typedef void(__cdecl* ZyioCloseFn)(void);
#define ZYIO_CLOSE_NAME "ZYIO_Close"

/* CPUID of `leaf`: words[0] = EBX, words[1] = EDX, words[2] = ECX,
 * words[3] = EAX. For leaf 0, words 0 and 1 hold the first eight characters
 * of the vendor string. Callers offer at least four words. */
typedef int(__cdecl* ZyioGetCpuIdFn)(uint32_t leaf, uint32_t* words);
#define ZYIO_GET_CPU_ID_NAME "ZYIO_GetCpuID"

/* Model-specific register: words[0] = low 32 bits, words[1] = high 32 bits. */
typedef int(__cdecl* ZyioReadMsrFn)(uint32_t msr, uint32_t* words);
typedef int(__cdecl* ZyioWriteMsrFn)(uint32_t msr, const uint32_t* words);
#define ZYIO_READ_MSR_NAME "ZYIO_ReadMSR"
#define ZYIO_WRITE_MSR_NAME "ZYIO_WrtieMSR" /* the export's name, as spelled */

/* The current processor clock in MHz. */
typedef int(__cdecl* OcGetCurrentCpuFrequencyFn)(void);
#define OC_GET_CURRENT_CPU_FREQUENCY_NAME "OC_GetCurrentCpuFrequency"

/* A readable view of `length` bytes of physical memory at `physical`, or null.
 * ZYIO_UnmapMem releases a view: it takes the view's pointer, or for the BIOS
 * area window the physical base 0x000F0000 itself, and the length. */
typedef void*(__cdecl* ZyioMapMemFn)(uint32_t physical, uint32_t length);
typedef void(__cdecl* ZyioUnmapMemFn)(const void* address, uint32_t length);
#define ZYIO_MAP_MEM_NAME "ZYIO_MapMem"
#define ZYIO_UNMAP_MEM_NAME "ZYIO_UnmapMem"

/* Processor I/O ports: a byte or a 32-bit word read from or written to
 * `port`. A port with nothing behind it reads all ones. The PCI library
 * reads configuration space through them (mechanism 1: the address to
 * 0xCF8, the register from 0xCFC); the DMI library resolves them only. */
typedef uint8_t(__cdecl* ZyioInPortBFn)(uint16_t port);
typedef void(__cdecl* ZyioOutPortBFn)(uint16_t port, uint8_t value);
typedef uint32_t(__cdecl* ZyioInPortDFn)(uint16_t port);
typedef void(__cdecl* ZyioOutPortDFn)(uint16_t port, uint32_t value);
#define ZYIO_IN_PORT_B_NAME "ZYIO_InPortB"
#define ZYIO_OUT_PORT_B_NAME "ZYIO_OutPortB"
#define ZYIO_IN_PORT_D_NAME "ZYIO_InPortD"
#define ZYIO_OUT_PORT_D_NAME "ZYIO_OutPortD"

#ifdef __cplusplus
}
#endif

#endif /* ZYIO_ZYIO_H */
