/*
 * zykacpi.sys: the kernel-mode driver behind \\.\ZYKACPI.
 *
 * It creates the device, answers the method-call requests of the hardware
 * access library by handing them to the simulated board firmware (boardsim),
 * and takes a few test-control requests of our own. The firmware engine does
 * all decoding and checking; this file only moves bytes between the I/O
 * manager and the engine, reads the board file and keeps one lock.
 *
 * Written in C because the DDK headers do not compile as C++; the engine is
 * linked in as freestanding C++ behind its C interface.
 */
#include <ntddk.h>

#include "DefaultBoard.h"
#include "ZykacpiIoctl.h"
#include "boardsim/BoardSim.h"

#define ZYKACPI_POOL_TAG 0x694B795A /* 'ZyKi' */

DRIVER_INITIALIZE DriverEntry;
static DRIVER_UNLOAD ZykUnload;
static DRIVER_DISPATCH ZykCreateClose;
static DRIVER_DISPATCH ZykDeviceControl;

static UNICODE_STRING g_deviceName = RTL_CONSTANT_STRING(L"\\Device\\ZYKACPI");
static UNICODE_STRING g_dosName = RTL_CONSTANT_STRING(L"\\DosDevices\\ZYKACPI");

static KMUTEX g_boardLock; /* guards g_board: requests may arrive on many threads */
static BsBoard* g_board;
static UNICODE_STRING g_registryPath;
static LARGE_INTEGER g_counterFrequency;

static void* PoolAllocate(void* context, size_t size)
{
    UNREFERENCED_PARAMETER(context);
    return ExAllocatePoolWithTag(NonPagedPool, size, ZYKACPI_POOL_TAG);
}

static void PoolRelease(void* context, void* block)
{
    UNREFERENCED_PARAMETER(context);
    if (block != NULL)
        ExFreePoolWithTag(block, ZYKACPI_POOL_TAG);
}

static const BsAllocator g_allocator = {PoolAllocate, PoolRelease, NULL};

static uint64_t NowMilliseconds(void)
{
    LARGE_INTEGER counter = KeQueryPerformanceCounter(NULL);
    if (g_counterFrequency.QuadPart <= 0)
        return 0;
    return (uint64_t)counter.QuadPart / ((uint64_t)g_counterFrequency.QuadPart / 1000u + 1u);
}

static void LockBoard(void) { KeWaitForSingleObject(&g_boardLock, Executive, KernelMode, FALSE, NULL); }

static void UnlockBoard(void) { KeReleaseMutex(&g_boardLock, FALSE); }

static NTSTATUS StatusFromEngine(BsStatus status)
{
    switch (status) {
    case BS_OK:
        return STATUS_SUCCESS;
    case BS_BAD_REQUEST:
        return STATUS_INVALID_PARAMETER;
    case BS_UNSUPPORTED_LAYOUT:
        return STATUS_NOT_SUPPORTED;
    case BS_NO_SUCH_METHOD:
        return STATUS_OBJECT_NAME_NOT_FOUND;
    case BS_METHOD_FAILED:
        return STATUS_IO_DEVICE_ERROR;
    case BS_RESULT_TOO_LARGE:
        return STATUS_BUFFER_TOO_SMALL;
    case BS_NO_MEMORY:
        return STATUS_INSUFFICIENT_RESOURCES;
    case BS_BAD_BOARD:
        return STATUS_FILE_INVALID;
    case BS_DENIED:
        return STATUS_ACCESS_DENIED;
    case BS_NO_SUCH_ITEM:
        return STATUS_NOT_FOUND;
    }
    return STATUS_UNSUCCESSFUL;
}

/* Reads a whole file (at most ZYKACPI_MAX_BOARD_FILE bytes) into pool memory. */
static NTSTATUS ReadWholeFile(PUNICODE_STRING path, char** text, ULONG* length)
{
    OBJECT_ATTRIBUTES attributes;
    IO_STATUS_BLOCK io;
    FILE_STANDARD_INFORMATION info;
    HANDLE file;
    NTSTATUS status;
    ULONG size;
    char* buffer;

    *text = NULL;
    *length = 0;
    InitializeObjectAttributes(&attributes, path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    status = ZwCreateFile(&file, GENERIC_READ | SYNCHRONIZE, &attributes, &io, NULL, FILE_ATTRIBUTE_NORMAL,
                          FILE_SHARE_READ, FILE_OPEN, FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
    if (!NT_SUCCESS(status))
        return status;

    status = ZwQueryInformationFile(file, &io, &info, sizeof(info), FileStandardInformation);
    if (NT_SUCCESS(status) && (info.EndOfFile.QuadPart < 0 || info.EndOfFile.QuadPart > ZYKACPI_MAX_BOARD_FILE))
        status = STATUS_FILE_TOO_LARGE;
    if (!NT_SUCCESS(status)) {
        ZwClose(file);
        return status;
    }

    size = (ULONG)info.EndOfFile.QuadPart;
    buffer = ExAllocatePoolWithTag(NonPagedPool, size + 1u, ZYKACPI_POOL_TAG);
    if (buffer == NULL) {
        ZwClose(file);
        return STATUS_INSUFFICIENT_RESOURCES;
    }
    status = size == 0 ? STATUS_SUCCESS : ZwReadFile(file, NULL, NULL, NULL, &io, buffer, size, NULL, NULL);
    ZwClose(file);
    if (!NT_SUCCESS(status)) {
        ExFreePoolWithTag(buffer, ZYKACPI_POOL_TAG);
        return status;
    }
    buffer[size] = '\0';
    *text = buffer;
    *length = size == 0 ? 0 : (ULONG)io.Information;
    return STATUS_SUCCESS;
}

/* A load error that is no line of a file: `text` and the NTSTATUS in hex. */
static void DescribeFailure(BsLoadError* error, const char* text, NTSTATUS status)
{
    static const char digits[] = "0123456789ABCDEF";
    size_t at = 0;
    int shift;

    error->line = 0;
    error->file[0] = '\0';
    while (*text != '\0' && at + 1 < sizeof(error->message))
        error->message[at++] = *text++;
    if (at + 22 < sizeof(error->message)) {
        const char* prefix = " (NTSTATUS 0x";
        while (*prefix != '\0')
            error->message[at++] = *prefix++;
        for (shift = 28; shift >= 0; shift -= 4)
            error->message[at++] = digits[((ULONG)status >> shift) & 0xFu];
        error->message[at++] = ')';
    }
    error->message[at] = '\0';
}

/* The files a board file names beside itself (its PCI snapshot) come from
 * the folder of the board file, or for the compiled-in board from the files
 * compiled in with it. */
typedef struct BoardFolder {
    PCUNICODE_STRING boardPath; /* NT path of the board file; NULL: compiled in */
} BoardFolder;

static int SameName(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

/* The engine has checked the name: a relative path of plain characters,
 * no drive, root or ".." part. */
static BsStatus ReadBesideBoard(void* context, const char* name, const char** text, size_t* length)
{
    const BoardFolder* folder = (const BoardFolder*)context;
    USHORT folderChars;
    ULONG nameChars = 0;
    ULONG bytes;
    UNICODE_STRING path;
    char* buffer;
    ULONG read;
    NTSTATUS status;
    ULONG i;

    if (folder->boardPath == NULL) {
        for (i = 0; i < g_defaultBoardFileCount; ++i) {
            if (g_defaultBoardFiles[i].name != NULL && SameName(g_defaultBoardFiles[i].name, name)) {
                *text = g_defaultBoardFiles[i].text;
                *length = g_defaultBoardFiles[i].length;
                return BS_OK;
            }
        }
        return BS_BAD_BOARD;
    }

    folderChars = (USHORT)(folder->boardPath->Length / sizeof(WCHAR));
    while (folderChars > 0 && folder->boardPath->Buffer[folderChars - 1] != L'\\' &&
           folder->boardPath->Buffer[folderChars - 1] != L'/')
        --folderChars;
    while (name[nameChars] != '\0')
        ++nameChars;
    bytes = ((ULONG)folderChars + nameChars) * sizeof(WCHAR);
    if (folderChars == 0 || nameChars == 0 || bytes > 0xFFF0u)
        return BS_BAD_BOARD;
    path.Buffer = ExAllocatePoolWithTag(PagedPool, bytes, ZYKACPI_POOL_TAG);
    if (path.Buffer == NULL)
        return BS_NO_MEMORY;
    RtlCopyMemory(path.Buffer, folder->boardPath->Buffer, folderChars * sizeof(WCHAR));
    for (i = 0; i < nameChars; ++i)
        path.Buffer[folderChars + i] = name[i] == '/' ? L'\\' : (WCHAR)(unsigned char)name[i];
    path.Length = (USHORT)bytes;
    path.MaximumLength = (USHORT)bytes;
    status = ReadWholeFile(&path, &buffer, &read);
    if (!NT_SUCCESS(status))
        DbgPrint("zykacpi: cannot read %wZ (0x%08lx)\n", &path, (unsigned long)status);
    ExFreePoolWithTag(path.Buffer, ZYKACPI_POOL_TAG);
    if (!NT_SUCCESS(status))
        return BS_BAD_BOARD;
    *text = buffer;
    *length = read;
    return BS_OK;
}

static void ReleaseBesideBoard(void* context, const char* text)
{
    const BoardFolder* folder = (const BoardFolder*)context;
    if (folder->boardPath != NULL && text != NULL)
        ExFreePoolWithTag((void*)text, ZYKACPI_POOL_TAG);
}

static NTSTATUS ParseBoard(const char* text, ULONG length, PCUNICODE_STRING boardPath, BsBoard** board,
                           BsLoadError* error)
{
    BoardFolder folder;
    BsFileReader files;
    BsStatus status;

    folder.boardPath = boardPath;
    files.Read = ReadBesideBoard;
    files.Release = ReleaseBesideBoard;
    files.context = &folder;
    status = BsBoardLoadWithFiles(&g_allocator, &files, text, length, board, error);
    if (status != BS_OK) {
        DbgPrint("zykacpi: board file rejected, %s%sline %u: %s\n", error->file, error->file[0] ? " " : "", error->line,
                 error->message);
        return StatusFromEngine(status);
    }
    return STATUS_SUCCESS;
}

/* Loads the board file at an NT path ("\??\C:\...") or, when path is NULL,
 * the compiled-in default board. */
static NTSTATUS LoadBoardFrom(PUNICODE_STRING path, BsBoard** board, BsLoadError* error)
{
    char* text;
    ULONG length;
    NTSTATUS status;

    *board = NULL;
    if (path == NULL)
        return ParseBoard(g_defaultBoardText, g_defaultBoardLength, NULL, board, error);

    status = ReadWholeFile(path, &text, &length);
    if (!NT_SUCCESS(status)) {
        DbgPrint("zykacpi: cannot read board file %wZ (0x%08lx)\n", path, (unsigned long)status);
        DescribeFailure(error, "cannot read the board file", status);
        return status;
    }
    status = ParseBoard(text, length, path, board, error);
    ExFreePoolWithTag(text, ZYKACPI_POOL_TAG);
    return status;
}

/* Turns a Windows path ("C:\boards\classic.ini") into an NT path in pool
 * memory; a path that is already an NT path ("\??\...") is taken as it is. */
static NTSTATUS MakeNtPath(const WCHAR* path, USHORT pathChars, PUNICODE_STRING ntPath)
{
    static const WCHAR prefix[] = L"\\??\\";
    const USHORT prefixChars = path[0] == L'\\' ? 0 : 4;
    const ULONG bytes = ((ULONG)prefixChars + pathChars) * sizeof(WCHAR);
    if (pathChars == 0 || bytes > 0xFFF0u)
        return STATUS_OBJECT_NAME_INVALID;

    ntPath->Buffer = ExAllocatePoolWithTag(PagedPool, bytes, ZYKACPI_POOL_TAG);
    if (ntPath->Buffer == NULL)
        return STATUS_INSUFFICIENT_RESOURCES;
    RtlCopyMemory(ntPath->Buffer, prefix, prefixChars * sizeof(WCHAR));
    RtlCopyMemory(ntPath->Buffer + prefixChars, path, pathChars * sizeof(WCHAR));
    ntPath->Length = (USHORT)bytes;
    ntPath->MaximumLength = (USHORT)bytes;
    return STATUS_SUCCESS;
}

/* The board file named by the value BoardFile (REG_SZ or REG_EXPAND_SZ) of
 * the service key, as an NT path; STATUS_OBJECT_NAME_NOT_FOUND when none. */
static NTSTATUS ConfiguredBoardPath(PUNICODE_STRING ntPath)
{
    UNICODE_STRING valueName = RTL_CONSTANT_STRING(L"BoardFile");
    OBJECT_ATTRIBUTES attributes;
    HANDLE key;
    NTSTATUS status;
    ULONG needed = 0;
    PKEY_VALUE_PARTIAL_INFORMATION value;
    const ULONG valueSize = sizeof(KEY_VALUE_PARTIAL_INFORMATION) + 1024u * sizeof(WCHAR);
    USHORT chars;

    InitializeObjectAttributes(&attributes, &g_registryPath, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    status = ZwOpenKey(&key, KEY_READ, &attributes);
    if (!NT_SUCCESS(status))
        return status;

    value = ExAllocatePoolWithTag(PagedPool, valueSize, ZYKACPI_POOL_TAG);
    if (value == NULL) {
        ZwClose(key);
        return STATUS_INSUFFICIENT_RESOURCES;
    }
    status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, value, valueSize, &needed);
    ZwClose(key);
    if (NT_SUCCESS(status) && value->Type != REG_SZ && value->Type != REG_EXPAND_SZ)
        status = STATUS_OBJECT_TYPE_MISMATCH;
    if (NT_SUCCESS(status)) {
        const WCHAR* text = (const WCHAR*)value->Data;
        chars = 0;
        while (chars < value->DataLength / sizeof(WCHAR) && text[chars] != L'\0')
            ++chars;
        status = chars == 0 ? STATUS_OBJECT_NAME_NOT_FOUND : MakeNtPath(text, chars, ntPath);
    }
    ExFreePoolWithTag(value, ZYKACPI_POOL_TAG);
    return status;
}

/* The board the service is configured with: its BoardFile, or the default. */
static NTSTATUS LoadConfiguredBoard(BsBoard** board, BsLoadError* error)
{
    UNICODE_STRING path;
    NTSTATUS status = ConfiguredBoardPath(&path);
    if (status == STATUS_OBJECT_NAME_NOT_FOUND)
        return LoadBoardFrom(NULL, board, error);
    if (!NT_SUCCESS(status)) {
        DescribeFailure(error, "cannot read the service's BoardFile value", status);
        return status;
    }
    status = LoadBoardFrom(&path, board, error);
    ExFreePoolWithTag(path.Buffer, ZYKACPI_POOL_TAG);
    return status;
}

/* IOCTL_ZYKACPI_RELOAD: input is an ANSI Windows path, or empty. The board
 * serving now keeps serving unless the new one loads. */
static NTSTATUS ReloadBoard(const char* input, ULONG inputLength, BsLoadError* error)
{
    BsBoard* board = NULL;
    BsBoard* old;
    NTSTATUS status;

    if (inputLength == 0) {
        status = LoadConfiguredBoard(&board, error);
    } else {
        WCHAR* wide;
        ULONG chars = 0;
        UNICODE_STRING path;
        if (inputLength > 1024u) {
            DescribeFailure(error, "the board file's path is longer than 1024 characters", STATUS_NAME_TOO_LONG);
            return STATUS_NAME_TOO_LONG;
        }
        while (chars < inputLength && input[chars] != '\0')
            ++chars;
        wide = ExAllocatePoolWithTag(PagedPool, (chars + 1u) * sizeof(WCHAR), ZYKACPI_POOL_TAG);
        if (wide == NULL)
            return STATUS_INSUFFICIENT_RESOURCES;
        /* Board paths are plain ASCII; other bytes are taken as Latin-1. */
        for (ULONG i = 0; i < chars; ++i)
            wide[i] = (WCHAR)(unsigned char)input[i];
        status = MakeNtPath(wide, (USHORT)chars, &path);
        ExFreePoolWithTag(wide, ZYKACPI_POOL_TAG);
        if (!NT_SUCCESS(status)) {
            DescribeFailure(error, "the board file's path is not usable", status);
            return status;
        }
        status = LoadBoardFrom(&path, &board, error);
        ExFreePoolWithTag(path.Buffer, ZYKACPI_POOL_TAG);
    }
    if (!NT_SUCCESS(status))
        return status;

    LockBoard();
    old = g_board;
    g_board = board;
    UnlockBoard();
    BsBoardFree(old);
    DbgPrint("zykacpi: now serving board \"%s\"\n", BsBoardName(board));
    return STATUS_SUCCESS;
}

/* IOCTL_HWACPI_CALL. METHOD_BUFFERED gives one system buffer for input and
 * output, so the request is copied out before the result is written over it. */
static NTSTATUS EvaluateCall(void* buffer, ULONG inputLength, ULONG outputLength, ULONG_PTR* written)
{
    void* request;
    size_t resultLength = 0;
    BsStatus result;

    if (inputLength == 0 || inputLength > ZYKACPI_MAX_REQUEST || buffer == NULL)
        return STATUS_INVALID_PARAMETER;
    request = ExAllocatePoolWithTag(NonPagedPool, inputLength, ZYKACPI_POOL_TAG);
    if (request == NULL)
        return STATUS_INSUFFICIENT_RESOURCES;
    RtlCopyMemory(request, buffer, inputLength);

    LockBoard();
    result = BsEvaluate(g_board, request, inputLength, buffer, outputLength, &resultLength, NowMilliseconds());
    UnlockBoard();
    ExFreePoolWithTag(request, ZYKACPI_POOL_TAG);

    if (result != BS_OK)
        return StatusFromEngine(result);
    *written = resultLength;
    return STATUS_SUCCESS;
}

/* IOCTL_ZYKACPI_READ_MSR: u32 register in, u64 value out, in one buffer. */
static NTSTATUS ReadMsr(void* buffer, ULONG inputLength, ULONG outputLength, ULONG_PTR* written)
{
    uint32_t msr;
    uint64_t value = 0;
    BsStatus result;

    if (buffer == NULL || inputLength != sizeof(msr) || outputLength < sizeof(value))
        return STATUS_INVALID_PARAMETER;
    RtlCopyMemory(&msr, buffer, sizeof(msr));
    LockBoard();
    result = BsReadMsr(g_board, msr, &value);
    UnlockBoard();
    if (result != BS_OK)
        return StatusFromEngine(result);
    RtlCopyMemory(buffer, &value, sizeof(value));
    *written = sizeof(value);
    return STATUS_SUCCESS;
}

/* IOCTL_ZYKACPI_PORT_READ and _WRITE: a ZykacpiPortAccess in, a u32 out. */
static NTSTATUS PortAccess(ULONG code, void* buffer, ULONG inputLength, ULONG outputLength, ULONG_PTR* written)
{
    ZykacpiPortAccess access;
    uint32_t value = 0;
    BsStatus result;

    if (buffer == NULL || inputLength != sizeof(access))
        return STATUS_INVALID_PARAMETER;
    if (code == IOCTL_ZYKACPI_PORT_READ && outputLength < sizeof(value))
        return STATUS_BUFFER_TOO_SMALL;
    RtlCopyMemory(&access, buffer, sizeof(access));
    LockBoard();
    if (code == IOCTL_ZYKACPI_PORT_READ)
        result = BsPortRead(g_board, access.port, access.width, &value);
    else
        result = BsPortWrite(g_board, access.port, access.width, access.value);
    UnlockBoard();
    if (result != BS_OK)
        return StatusFromEngine(result);
    if (code == IOCTL_ZYKACPI_PORT_READ) {
        RtlCopyMemory(buffer, &value, sizeof(value));
        *written = sizeof(value);
    }
    return STATUS_SUCCESS;
}

/* IOCTL_ZYKACPI_RELOAD. With room for a result, the load's outcome travels
 * in it (a failed request would bring back no bytes). */
static NTSTATUS Reload(void* buffer, ULONG inputLength, ULONG outputLength, ULONG_PTR* written)
{
    ZykacpiReloadResult result;

    if (outputLength == 0) {
        BsLoadError ignored;
        return ReloadBoard((const char*)buffer, inputLength, &ignored);
    }
    if (outputLength < sizeof(result) || buffer == NULL)
        return STATUS_BUFFER_TOO_SMALL;
    RtlZeroMemory(&result, sizeof(result));
    /* The input path is read before the result overwrites the buffer. */
    result.status = ReloadBoard((const char*)buffer, inputLength, &result.error);
    RtlCopyMemory(buffer, &result, sizeof(result));
    *written = sizeof(result);
    return STATUS_SUCCESS;
}

static NTSTATUS TestControl(ULONG code, void* input, ULONG inputLength, ULONG outputLength, ULONG_PTR* written)
{
    BsStatus result;

    LockBoard();
    if (!BsBoardTestControl(g_board)) {
        UnlockBoard();
        return STATUS_ACCESS_DENIED;
    }
    if (code == IOCTL_ZYKACPI_RELOAD) {
        UnlockBoard();
        return Reload(input, inputLength, outputLength, written);
    }
    result = code == IOCTL_ZYKACPI_SET_RAW ? BsSetRaw(g_board, input, inputLength)
                                           : BsFailMethod(g_board, input, inputLength);
    UnlockBoard();
    return StatusFromEngine(result);
}

static NTSTATUS NTAPI ZykDeviceControl(PDEVICE_OBJECT device, PIRP irp)
{
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    const ULONG inputLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG outputLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    ULONG_PTR written = 0;
    NTSTATUS status;

    UNREFERENCED_PARAMETER(device);
    switch (code) {
    case IOCTL_HWACPI_START:
        status = STATUS_SUCCESS;
        break;
    case IOCTL_HWACPI_CALL:
        status = EvaluateCall(buffer, inputLength, outputLength, &written);
        break;
    case IOCTL_ZYKACPI_READ_MSR:
        status = ReadMsr(buffer, inputLength, outputLength, &written);
        break;
    case IOCTL_ZYKACPI_PORT_READ:
    case IOCTL_ZYKACPI_PORT_WRITE:
        status = PortAccess(code, buffer, inputLength, outputLength, &written);
        break;
    case IOCTL_ZYKACPI_SET_RAW:
    case IOCTL_ZYKACPI_FAIL_METHOD:
    case IOCTL_ZYKACPI_RELOAD:
        status = TestControl(code, buffer, inputLength, outputLength, &written);
        break;
    default:
        status = STATUS_INVALID_DEVICE_REQUEST;
        break;
    }
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = written;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS NTAPI ZykCreateClose(PDEVICE_OBJECT device, PIRP irp)
{
    UNREFERENCED_PARAMETER(device);
    irp->IoStatus.Status = STATUS_SUCCESS;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return STATUS_SUCCESS;
}

static void NTAPI ZykUnload(PDRIVER_OBJECT driver)
{
    IoDeleteSymbolicLink(&g_dosName);
    if (driver->DeviceObject != NULL)
        IoDeleteDevice(driver->DeviceObject);
    BsBoardFree(g_board);
    g_board = NULL;
    if (g_registryPath.Buffer != NULL)
        ExFreePoolWithTag(g_registryPath.Buffer, ZYKACPI_POOL_TAG);
    g_registryPath.Buffer = NULL;
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath)
{
    PDEVICE_OBJECT device = NULL;
    BsLoadError loadError;
    NTSTATUS status;

    KeInitializeMutex(&g_boardLock, 0);
    KeQueryPerformanceCounter(&g_counterFrequency);

    g_registryPath.Buffer = ExAllocatePoolWithTag(PagedPool, registryPath->Length + sizeof(WCHAR), ZYKACPI_POOL_TAG);
    if (g_registryPath.Buffer == NULL)
        return STATUS_INSUFFICIENT_RESOURCES;
    RtlCopyMemory(g_registryPath.Buffer, registryPath->Buffer, registryPath->Length);
    g_registryPath.Length = registryPath->Length;
    g_registryPath.MaximumLength = (USHORT)(registryPath->Length + sizeof(WCHAR));

    status = LoadConfiguredBoard(&g_board, &loadError);
    if (NT_SUCCESS(status))
        status = IoCreateDevice(driver, 0, &g_deviceName, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (NT_SUCCESS(status)) {
        status = IoCreateSymbolicLink(&g_dosName, &g_deviceName);
        if (!NT_SUCCESS(status))
            IoDeleteDevice(device);
    }
    if (!NT_SUCCESS(status)) {
        BsBoardFree(g_board);
        g_board = NULL;
        ExFreePoolWithTag(g_registryPath.Buffer, ZYKACPI_POOL_TAG);
        g_registryPath.Buffer = NULL;
        return status;
    }

    driver->MajorFunction[IRP_MJ_CREATE] = ZykCreateClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = ZykCreateClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = ZykDeviceControl;
    driver->DriverUnload = ZykUnload;
    DbgPrint("zykacpi: serving board \"%s\"\n", BsBoardName(g_board));
    return STATUS_SUCCESS;
}
