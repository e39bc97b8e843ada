/*
 * Device requests of \\.\ZYKACPI, shared by the driver and its user-mode
 * clients. All codes are CTL_CODE(FILE_DEVICE_UNKNOWN, function,
 * METHOD_BUFFERED, FILE_ANY_ACCESS).
 */
#ifndef ZYKACPI_IOCTL_H
#define ZYKACPI_IOCTL_H

#include <stdint.h>

#include "boardsim/BoardSim.h"

#define ZYKACPI_DEVICE_PATH "\\\\.\\ZYKACPI"

/* Evaluate a firmware method: a method-call request in, the result in the
 * ACPI_EVAL_OUTPUT_BUFFER layout out. */
#define IOCTL_HWACPI_CALL 0x00222404u /* function 0x901 */
/* Sent once after opening; no input, no output. */
#define IOCTL_HWACPI_START 0x0022240Cu /* function 0x903 */

/* Test control, refused with ERROR_ACCESS_DENIED unless the board file
 * enables it. */
/* Input: BsSetRawRequest { method, itemId, raw }. */
#define IOCTL_ZYKACPI_SET_RAW 0x00222440u /* function 0x910 */
/* Input: BsFailMethodRequest { method, fail }. */
#define IOCTL_ZYKACPI_FAIL_METHOD 0x00222444u /* function 0x911 */
/* Input: the Windows path of a board file as ANSI text (no NUL needed), or
 * nothing to reload the board file named in the service key. The new board
 * replaces the old one only when it loads without error.
 * Without an output buffer a failed load fails the request. With room for a
 * ZykacpiReloadResult the request succeeds whenever the load was tried, and
 * the result says how it went: why a board file was rejected (line, file and
 * reason, as the engine found them) or why it could not be read. */
#define IOCTL_ZYKACPI_RELOAD 0x00222448u /* function 0x912 */

typedef struct ZykacpiReloadResult {
    int32_t status;    /* NTSTATUS of the load: 0 when the board now serves */
    BsLoadError error; /* what failed; line 0 when no line is to blame */
} ZykacpiReloadResult;

/* Input: the register number (u32). Output: its 64-bit value. Answered for
 * the registers the board file describes, whatever the test-control switch. */
#define IOCTL_ZYKACPI_READ_MSR 0x0022244Cu /* function 0x913 */

/* Processor port I/O on the board: PCI configuration mechanism 1 over the
 * board's configuration-space snapshot (address register 0xCF8, data window
 * 0xCFC-0xCFF), every other port empty. Answered whatever the test-control
 * switch. Input: ZykacpiPortAccess (width 1, 2 or 4). A read answers the
 * value as a u32; a write answers nothing. */
#define IOCTL_ZYKACPI_PORT_READ 0x00222450u  /* function 0x914 */
#define IOCTL_ZYKACPI_PORT_WRITE 0x00222454u /* function 0x915 */

typedef struct ZykacpiPortAccess {
    uint32_t port;
    uint32_t width;
    uint32_t value; /* writes only */
} ZykacpiPortAccess;

/* Longest method-call request the driver accepts. */
#define ZYKACPI_MAX_REQUEST 4096u
/* Longest board file the driver reads. */
#define ZYKACPI_MAX_BOARD_FILE (1024u * 1024u)

#endif /* ZYKACPI_IOCTL_H */
