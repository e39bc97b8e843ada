/*
 * The simulated board firmware behind the device \\.\ZYKACPI.
 *
 * A plain C interface so that one engine serves three hosts: native unit tests
 * (request bytes in, result bytes out), the kernel-mode driver (written in C)
 * and, if ever needed, a real Windows test machine. The engine allocates only
 * through the allocator it is given, never throws, has no global state and
 * reads nothing outside the buffers it is handed.
 *
 * Request and result bytes are those of IOCTL_HWACPI_CALL: a method-call
 * request (ACPI method name, argument form, arguments) in, a result in the
 * ACPI_EVAL_OUTPUT_BUFFER layout out.
 */
#ifndef BOARDSIM_BOARDSIM_H
#define BOARDSIM_BOARDSIM_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum BsStatus {
    BS_OK = 0,
    BS_BAD_REQUEST = 1,        /* malformed, short or oversized request, or
                                  arguments that do not fit the method */
    BS_UNSUPPORTED_LAYOUT = 2, /* pointer layout with arguments: the block is
                                  in the caller's memory, which the host can't
                                  reach */
    BS_NO_SUCH_METHOD = 3,     /* the board has no method of that name */
    BS_METHOD_FAILED = 4,      /* the method was told to fail (test control) */
    BS_RESULT_TOO_LARGE = 5,   /* the result does not fit the caller's buffer */
    BS_NO_MEMORY = 6,
    BS_BAD_BOARD = 7,   /* the board file could not be read */
    BS_DENIED = 8,      /* test control is not enabled for this board */
    BS_NO_SUCH_ITEM = 9 /* test control named an unknown reading or
                                  a method the board does not serve */
} BsStatus;

/* Blocks must be aligned for a pointer or a 32-bit word (pool and malloc
 * blocks are). The board keeps a copy of this structure, so the caller's
 * instance need not outlive the load. */
typedef struct BsAllocator {
    void* (*Allocate)(void* context, size_t size);
    void (*Release)(void* context, void* block);
    void* context;
} BsAllocator;

typedef struct BsBoard BsBoard;

/* Where a board file failed to load. */
typedef struct BsLoadError {
    unsigned line;     /* 1-based line of the offending text, 0 for none */
    char file[64];     /* the file of that line: empty for the board file
                          itself, else the name the board file gives it */
    char message[120]; /* NUL-terminated, English */
} BsLoadError;

/* Reads the files a board file names beside itself (its PCI snapshot). The
 * engine passes the name as the board file gives it: a relative path of
 * letters, digits, '.', '_', '-' and the separators '/' or '\', never with a
 * drive, a root or a ".." part, to be taken relative to the board file's
 * folder. Read answers BS_OK with the bytes in memory the host keeps until
 * the engine hands them to Release, or any other status when the file cannot
 * be read (then the load fails naming the file). */
typedef struct BsFileReader {
    BsStatus (*Read)(void* context, const char* name, const char** text, size_t* length);
    void (*Release)(void* context, const char* text);
    void* context;
} BsFileReader;

/* Parses board-file text (INI form, see boardsim/README.md). On success
 * *board receives a new board owned by the caller (free with BsBoardFree).
 * BsBoardLoad reads no other file: a board loaded by it has no PCI
 * configuration space (its ports answer as on a board without one). */
BsStatus BsBoardLoad(const BsAllocator* allocator, const char* text, size_t length, BsBoard** board,
                     BsLoadError* error);
BsStatus BsBoardLoadWithFiles(const BsAllocator* allocator, const BsFileReader* files, const char* text, size_t length,
                              BsBoard** board, BsLoadError* error);
void BsBoardFree(BsBoard* board);

/* Display name of the board (from its file); never null. */
const char* BsBoardName(const BsBoard* board);

/* Non-zero when the board file enables the test-control requests. */
int BsBoardTestControl(const BsBoard* board);

/* Evaluates one method-call request. nowMs is the host's monotonic clock in
 * milliseconds; it drives the time-varying readings. On BS_OK *resultLength
 * receives the number of result bytes written (at most resultCapacity); on
 * BS_RESULT_TOO_LARGE it receives the size the result needs, and the call
 * changes nothing on the board. Request and result must not overlap. Calls
 * on one board (this one, BsSetRaw, BsFailMethod) must not run at the same
 * time: a host serves them under one lock. */
BsStatus BsEvaluate(BsBoard* board, const void* request, size_t requestLength, void* result, size_t resultCapacity,
                    size_t* resultLength, uint64_t nowMs);

/* Test control. Payloads are the little-endian records below; both calls
 * answer BS_DENIED unless the board enables test control, and BS_BAD_REQUEST
 * when the payload length is not the record's size. */

/* Fixes the raw reading that `method` ("RVLT", "RTMP", "RFAN", as its 32-bit
 * name word) answers for `itemId`, replacing drift or sine. */
typedef struct BsSetRawRequest {
    uint32_t method;
    uint32_t itemId;
    int32_t raw;
} BsSetRawRequest;

/* Makes every call of `method` fail (fail != 0) or work again (fail == 0).
 * Any method the board serves can fail, descriptor objects included. */
typedef struct BsFailMethodRequest {
    uint32_t method;
    uint32_t fail;
} BsFailMethodRequest;

BsStatus BsSetRaw(BsBoard* board, const void* payload, size_t length);
BsStatus BsFailMethod(BsBoard* board, const void* payload, size_t length);

/* Reads a model-specific register of the board's processor, as the ZyIO.dll
 * stand-in asks for it. The board file describes IA32_MISC_ENABLE (0x1A0);
 * any other register, or 0x1A0 on a board that does not describe it, answers
 * BS_NO_SUCH_ITEM. A read changes nothing, so test control need not be on.
 * BS_BAD_REQUEST when board or value is null. */
BsStatus BsReadMsr(const BsBoard* board, uint32_t msr, uint64_t* value);

/* Processor port I/O: `width` is 1, 2 or 4 bytes from `port` on (a wider
 * access reads or writes the ports above it too). The board answers PCI
 * configuration mechanism 1 from its snapshot: a 32-bit access of 0xCF8 is
 * the address register (enable bit 31, bus 23-16, device 15-11, function
 * 10-8, register 7-2), and 0xCFC-0xCFF are the bytes of the addressed
 * 32-bit register. A function the snapshot lacks, a disabled address and
 * every other port read all ones, and so do the bytes of a function past
 * what its snapshot holds. Writes other than to the address register change nothing:
 * configuration space is read-only here. Neither call needs test control.
 * BS_BAD_REQUEST for a null board or value, a width other than 1, 2 or 4, or
 * an access past port 0xFFFF. */
BsStatus BsPortRead(BsBoard* board, uint32_t port, uint32_t width, uint32_t* value);
BsStatus BsPortWrite(BsBoard* board, uint32_t port, uint32_t width, uint32_t value);

/* Four ASCII characters as the 32-bit method-name word (first character in
 * the lowest byte). C++ gets named casts so that -Wold-style-cast builds can
 * use it. */
#ifdef __cplusplus
#define BS_METHOD_NAME(a, b, c, d)                                                                                     \
    (static_cast<uint32_t>(static_cast<uint8_t>(a)) | (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |          \
     (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24))
#else
#define BS_METHOD_NAME(a, b, c, d)                                                                                     \
    ((uint32_t)(uint8_t)(a) | ((uint32_t)(uint8_t)(b) << 8) | ((uint32_t)(uint8_t)(c) << 16) |                         \
     ((uint32_t)(uint8_t)(d) << 24))
#endif

#ifdef __cplusplus
}
#endif

#endif /* BOARDSIM_BOARDSIM_H */
