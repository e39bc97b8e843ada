#include "win/WmiReader_win.h"

#include <windows.h>
#include <oleauto.h>
#include <wbemidl.h>

#include <array>
#include <string>

#include "win/VariantValue_win.h"

namespace vantor::wmi {
namespace {

// Enumerator's Next waits at most this long for the instances.
constexpr LONG kNextTimeoutMs = 2000;

// A counted reference to a COM object, released when it goes.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return m_object; }
    T* Get() const { return m_object; }
    T** Put()
    {
        Reset();
        return &m_object;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    explicit operator bool() const { return m_object != nullptr; }
    void Reset()
    {
        if (m_object != nullptr)
            m_object->Release();
        m_object = nullptr;
    }

private:
    T* m_object = nullptr;
};

class Bstr {
public:
    explicit Bstr(const std::wstring& text) : m_text(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return m_text; }

private:
    BSTR m_text;
};

class Variant {
public:
    Variant() { VariantInit(&m_value); }
    ~Variant() { VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Put()
    {
        VariantClear(&m_value);
        return &m_value;
    }
    const VARIANT& Value() const { return m_value; }
    // The string, when the value is one.
    BSTR String() const { return V_VT(&m_value) == VT_BSTR ? V_BSTR(&m_value) : nullptr; }

private:
    VARIANT m_value;
};

class SafeArrayRef {
public:
    SafeArrayRef() = default;
    ~SafeArrayRef()
    {
        if (m_array != nullptr)
            SafeArrayDestroy(m_array);
    }
    SafeArrayRef(const SafeArrayRef&) = delete;
    SafeArrayRef& operator=(const SafeArrayRef&) = delete;
    SAFEARRAY** Put() { return &m_array; }
    SAFEARRAY* Get() const { return m_array; }

private:
    SAFEARRAY* m_array = nullptr;
};

std::wstring Wide(std::string_view ansi)
{
    if (ansi.empty())
        return {};
    const int length = static_cast<int>(ansi.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), size);
    return wide;
}

std::string Ansi(BSTR text) { return AnsiText(text, text != nullptr ? SysStringLen(text) : 0, kMaxValueChars); }

// Every name of the names array, bounds inclusive, with its value; a name
// that cannot be taken from the array or a value that cannot be read keeps
// its place without a value.
std::optional<std::vector<WmiProperty>> ReadProperties(IWbemClassObject* object)
{
    SafeArrayRef names;
    if (FAILED(object->GetNames(nullptr, WBEM_FLAG_NONSYSTEM_ONLY, nullptr, names.Put())) || names.Get() == nullptr)
        return std::nullopt;
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(names.Get(), 1, &lower)) || FAILED(SafeArrayGetUBound(names.Get(), 1, &upper)))
        return std::nullopt;

    std::vector<WmiProperty> properties;
    for (LONG j = lower; j <= upper; ++j) {
        WmiProperty property;
        BSTR name = nullptr;
        if (SUCCEEDED(SafeArrayGetElement(names.Get(), &j, &name)) && name != nullptr) {
            property.name = Ansi(name);
            Variant value;
            if (SUCCEEDED(object->Get(name, 0, value.Put(), nullptr, nullptr)))
                property.value = ToWmiValue(value.Value());
            SysFreeString(name);
        }
        properties.push_back(std::move(property));
    }
    return properties;
}

// What an enumerated object says of itself: its class and its relative path.
struct EnumeratedObject {
    std::optional<std::string> className;
    std::wstring relpath;  // empty when it cannot be read
};

EnumeratedObject ReadIdentity(IWbemClassObject* object)
{
    EnumeratedObject identity;
    Variant className;
    if (FAILED(object->Get(L"__Class", 0, className.Put(), nullptr, nullptr)) || className.String() == nullptr)
        return identity;
    identity.className = Ansi(className.String());
    Variant relpath;
    if (SUCCEEDED(object->Get(L"__Relpath", 0, relpath.Put(), nullptr, nullptr)) && relpath.String() != nullptr)
        identity.relpath.assign(relpath.String(), SysStringLen(relpath.String()));
    return identity;
}

// The instance's properties, read from the object that its relative path
// names.
std::optional<std::vector<WmiProperty>> ReadInstanceProperties(IWbemServices* services, const std::wstring& relpath)
{
    if (relpath.empty())
        return std::nullopt;
    const Bstr path(relpath);
    ComRef<IWbemClassObject> fetched;
    if (FAILED(services->GetObject(path.Get(), 0, nullptr, fetched.Put(), nullptr)) || !fetched)
        return std::nullopt;
    return ReadProperties(fetched.Get());
}

}  // namespace

std::optional<std::vector<WmiInstance>> ReadWmiClass(std::string_view className, ProxyBlanket blanket)
{
    ComRef<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.PutVoid())) ||
        !locator)
        return std::nullopt;

    ComRef<IWbemServices> services;
    const Bstr wmiNamespace(L"\\\\.\\root\\cimv2");
    if (FAILED(locator->ConnectServer(wmiNamespace.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.Put())) ||
        !services)
        return std::nullopt;
    if (blanket == ProxyBlanket::Set)
        CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);

    ComRef<IEnumWbemClassObject> enumerator;
    const Bstr name(Wide(className));
    if (FAILED(services->CreateInstanceEnum(name.Get(), 0, nullptr, enumerator.Put())) || !enumerator)
        return std::nullopt;

    std::array<IWbemClassObject*, kMaxInstances> objects = {};
    ULONG returned = 0;
    // A failed call counts as no instance.
    if (FAILED(enumerator->Next(kNextTimeoutMs, kMaxInstances, objects.data(), &returned)))
        returned = 0;
    // A provider may build a class's rows anew for every query, fetching an
    // object included, and the enumerated objects may read their keys from
    // those rows: so every object's class and path are read before the first
    // object is fetched.
    std::vector<EnumeratedObject> identities;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i] == nullptr)
            continue;
        if (i < returned)
            identities.push_back(ReadIdentity(objects[i]));
        objects[i]->Release();
    }
    std::vector<WmiInstance> instances;
    for (const EnumeratedObject& identity : identities) {
        WmiInstance instance{.className = identity.className, .properties = std::nullopt};
        if (identity.className)
            instance.properties = ReadInstanceProperties(services.Get(), identity.relpath);
        instances.push_back(std::move(instance));
    }
    return instances;
}

}  // namespace vantor::wmi
