/*
 * VantorHw.dll: the monitor's door to the mainboard.
 *
 * Plain C functions with the C calling convention and undecorated names on
 * both architectures. Booleans are one byte (0 or 1), integers 32-bit signed,
 * ItemIds 32-bit unsigned. Programs load the library at run time and find the
 * functions by name; the OCAPI_*Fn pointer types below are what they bind.
 *
 * Calling order: load; OCAPI_Initialization once; any other function;
 * OCAPI_Close once; unload.
 */
#ifndef VANTORHW_H
#define VANTORHW_H

#include <stdint.h>

#if !defined(_WIN32) && !defined(__cdecl)
#define __cdecl
#endif

#if defined(VANTORHW_BUILDING)
#define VANTORHW_API __declspec(dllexport)
#else
#define VANTORHW_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t OcBool;

/* ItemId fields: group in bits 24-31, kind in bits 16-23, index in 0-15. */
#ifdef __cplusplus
#define OC_ITEM_GROUP(id) ((static_cast<uint32_t>(id) >> 24) & 0xFFu)
#define OC_ITEM_KIND(id) ((static_cast<uint32_t>(id) >> 16) & 0xFFu)
#else
#define OC_ITEM_GROUP(id) (((uint32_t)(id) >> 24) & 0xFFu)
#define OC_ITEM_KIND(id) (((uint32_t)(id) >> 16) & 0xFFu)
#endif

#define OC_GROUP_OVERCLOCKING 0x01u
#define OC_GROUP_FAN_CONTROL 0x04u
#define OC_GROUP_SENSOR 0x06u
#define OC_GROUP_POWER_PROFILE 0x0Bu

#define OC_SENSOR_VOLTAGE 2u
#define OC_SENSOR_TEMPERATURE 3u
#define OC_SENSOR_FAN 4u

#define ACPI_OCINFO_COOLNQUIET_FLAG 0x0106000Cu
#define ACPI_KVINFO_CPU_KELVANE_PROFILE 0x04050009u
#define OC_ITEM_TENTHS_OPTION 0x01060001u  /* option values listed in tenths */
#define OC_ITEM_SCALED_VOLTAGE 0x01020008u /* value scale follows its bounds */
#define OC_ITEM_CPU_FAN_TARGET 0x04030005u
#define OC_ITEM_CHASSIS_KELVANE_PROFILE 0x0405000Au
#define OC_ITEM_CPU_KELVANE 0x04060003u
#define OC_ITEM_CHASSIS_KELVANE 0x04060006u
#define OC_ITEM_CORE_VOLTAGE 0x06020000u
#define OC_ITEM_CPU_TEMPERATURE 0x06030000u
#define OC_ITEM_BOARD_TEMPERATURE 0x06030001u
#define OC_ITEM_CPU_FAN 0x06040000u
#define OC_ITEM_CHASSIS_FAN 0x06040001u
#define OC_ITEM_POWER_FAN 0x06040002u
#define OC_ITEM_RUVEL_STATE 0x0B060001u

/* Option texts travel in 30-byte slots. */
#define OC_OPTION_SLOT_SIZE 30

#pragma pack(push, 4)

/* One sensor as the firmware describes it; limits in raw units (millivolts,
 * tenths of a degree Celsius, rpm). 48 bytes. */
typedef struct SensorDescriptor {
    uint32_t Id;
    char Name[32];
    int32_t LowLimit;
    int32_t HighLimit;
    uint32_t Flags; /* bits 0-1 equal to 1: present and listed */
} SensorDescriptor;

/* The fixed health snapshot. 28 bytes. */
typedef struct HealthData {
    int32_t CpuTemperature;   /* whole degrees Celsius */
    int32_t BoardTemperature; /* whole degrees Celsius */
    int32_t CoreVoltage;      /* millivolts */
    int32_t CpuFan;           /* rpm */
    int32_t Reserved;         /* never written */
    int32_t ChassisFan;       /* rpm */
    int32_t PowerFan;         /* rpm */
} HealthData;

/* One fan-control setting item. 80 bytes. */
typedef struct SettingItem {
    uint32_t Reserved;
    uint32_t Id;
    char Name[32];
    int32_t RangeLow;
    int32_t RangeHigh;
    int32_t OptionCount;
    uint32_t Extra1;
    int32_t Value; /* the one field a caller changes before a write */
    uint32_t Extra2;
    uint8_t CallerArea[16]; /* never read or written by the library */
} SettingItem;

#pragma pack(pop)

/* An array of pointers to separate 30-byte slots, allocated by the caller. */
typedef char* OptionList;

VANTORHW_API OcBool __cdecl OCAPI_Initialization(void);
VANTORHW_API OcBool __cdecl OCAPI_Close(void);
VANTORHW_API OcBool __cdecl OCAPI_GetHealthData(HealthData* data);
VANTORHW_API double __cdecl OCAPI_GetHwSensorData(uint32_t itemId);
VANTORHW_API SensorDescriptor* __cdecl OCAPI_HW_EnumerateOption(const char* listMethod, int32_t* count);
VANTORHW_API OcBool __cdecl OCAPI_CheckWorkable(uint32_t itemId);
VANTORHW_API int32_t __cdecl OCAPI_GetKelvaneInfo(uint32_t itemId);
VANTORHW_API OcBool __cdecl OCAPI_EnableKelvane(OcBool on, uint32_t itemId);
VANTORHW_API OcBool __cdecl OCAPI_SetKelvaneTarget(int32_t value, uint32_t itemId);
VANTORHW_API OcBool __cdecl OCAPI_HideKelvane(void);
VANTORHW_API int32_t __cdecl OCAPI_ACPI_OC_PresetList(char* slots);
VANTORHW_API OcBool __cdecl OCAPI_ACPI_OC__MB_GetBoardName(char* name);
VANTORHW_API int32_t __cdecl OCAPI_GetCurrentCpuFrequency(void);
VANTORHW_API OcBool __cdecl OCAPI_GetCpuVoltRange(float* first, float* second);
VANTORHW_API OcBool __cdecl OCAPI_GetFanStartTemp(int32_t* degrees, uint32_t itemId);
VANTORHW_API int32_t __cdecl OCAPI_GENERAL_GetList(uint32_t itemId, OptionList* list, int32_t bytes);
VANTORHW_API int32_t __cdecl OCAPI_KELVANE_GetData(SettingItem* items, int32_t* count);
VANTORHW_API int32_t __cdecl OCAPI_KELVANE_SetData(const SettingItem* items, int32_t count);
VANTORHW_API int32_t __cdecl OCAPI_NKELVANE_GetData(SettingItem* items, int32_t* count);
VANTORHW_API int32_t __cdecl OCAPI_NKELVANE_SetData(const SettingItem* items, int32_t count, uint32_t control);
VANTORHW_API int32_t __cdecl OCAPI_NKELVANE_GetList(uint32_t itemId, OptionList* list, int32_t bytes);
VANTORHW_API int32_t __cdecl OCAPI_GetMBIF(uint32_t* version, char* name, uint32_t* values, int32_t* count);
VANTORHW_API OcBool __cdecl OCAPI_CheckRuvel(void);
VANTORHW_API OcBool __cdecl OCAPI_CheckIntelPowerSaving(void);

/* Pointer types for GetProcAddress. */
typedef OcBool(__cdecl* OCAPI_InitializationFn)(void);
typedef OcBool(__cdecl* OCAPI_CloseFn)(void);
typedef OcBool(__cdecl* OCAPI_GetHealthDataFn)(HealthData* data);
typedef double(__cdecl* OCAPI_GetHwSensorDataFn)(uint32_t itemId);
typedef SensorDescriptor*(__cdecl* OCAPI_HW_EnumerateOptionFn)(const char* listMethod, int32_t* count);
typedef OcBool(__cdecl* OCAPI_CheckWorkableFn)(uint32_t itemId);
typedef int32_t(__cdecl* OCAPI_GetKelvaneInfoFn)(uint32_t itemId);
typedef OcBool(__cdecl* OCAPI_EnableKelvaneFn)(OcBool on, uint32_t itemId);
typedef OcBool(__cdecl* OCAPI_SetKelvaneTargetFn)(int32_t value, uint32_t itemId);
typedef OcBool(__cdecl* OCAPI_HideKelvaneFn)(void);
typedef int32_t(__cdecl* OCAPI_ACPI_OC_PresetListFn)(char* slots);
typedef OcBool(__cdecl* OCAPI_ACPI_OC__MB_GetBoardNameFn)(char* name);
typedef int32_t(__cdecl* OCAPI_GetCurrentCpuFrequencyFn)(void);
typedef OcBool(__cdecl* OCAPI_GetCpuVoltRangeFn)(float* first, float* second);
typedef OcBool(__cdecl* OCAPI_GetFanStartTempFn)(int32_t* degrees, uint32_t itemId);
typedef int32_t(__cdecl* OCAPI_GENERAL_GetListFn)(uint32_t itemId, OptionList* list, int32_t bytes);
typedef int32_t(__cdecl* OCAPI_KELVANE_GetDataFn)(SettingItem* items, int32_t* count);
typedef int32_t(__cdecl* OCAPI_KELVANE_SetDataFn)(const SettingItem* items, int32_t count);
typedef int32_t(__cdecl* OCAPI_NKELVANE_GetDataFn)(SettingItem* items, int32_t* count);
typedef int32_t(__cdecl* OCAPI_NKELVANE_SetDataFn)(const SettingItem* items, int32_t count, uint32_t control);
typedef int32_t(__cdecl* OCAPI_NKELVANE_GetListFn)(uint32_t itemId, OptionList* list, int32_t bytes);
typedef int32_t(__cdecl* OCAPI_GetMBIFFn)(uint32_t* version, char* name, uint32_t* values, int32_t* count);
typedef OcBool(__cdecl* OCAPI_CheckRuvelFn)(void);
typedef OcBool(__cdecl* OCAPI_CheckIntelPowerSavingFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* VANTORHW_H */
