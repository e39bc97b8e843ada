#include "core/WmiGetAll.h"

#include <algorithm>

#include "core/ClassList.h"
#include "core/FormatVariant.h"
#include "core/PropertyFormat.h"

namespace vantor::wmi {

std::string EnumerateFailedText(std::string_view className)
{
    return "Enumerate Device " + std::string(className) + " Fail !!";
}

namespace {

// ZyWmi.ini through the profile functions. Until the file has been created
// empty, every write is skipped, so a call never adds to an old file.
class InfoIniFile {
public:
    InfoIniFile(WmiHost& host, std::string path) : m_host(host), m_path(std::move(path)) {}

    void Start() { m_started = m_host.CreateEmptyFile(m_path); }

    void Write(std::string_view section, std::string_view key, std::string_view text)
    {
        if (m_started)
            m_host.WriteProfile(m_path, ProfileText(section), key, ProfileText(text));
    }
    void Write(std::string_view section, int number, std::string_view text)
    {
        Write(section, std::to_string(number), text);
    }
    void WriteCount(std::string_view section, int count) { Write(section, kCountKey, std::to_string(count)); }

private:
    WmiHost& m_host;
    std::string m_path;
    bool m_started = false;
};

// WMIConfig.ini through the profile functions.
class ProfileConfig final : public PropertyConfig {
public:
    ProfileConfig(WmiHost& host, std::string path) : m_host(host), m_path(std::move(path)) {}
    std::string Entry(std::string_view className, std::string_view property) const override
    {
        return m_host.ReadProfile(m_path, className, property, kConfigEntryBuffer);
    }

private:
    WmiHost& m_host;
    std::string m_path;
};

struct ExportContext {
    WmiHost& host;
    InfoIniFile& ini;
    const PropertyConfig& config;
    ProxyBlanket blanket;
};

void WriteProperties(const ExportContext& ctx, std::string_view className, const std::string& section,
                     const std::vector<WmiProperty>& properties)
{
    const LeadByteTest isLeadByte = [&ctx](unsigned char byte) { return ctx.host.IsLeadByte(byte); };
    // Every name the object lists has its entry, numbered from 1; a value
    // that cannot be read leaves its number out.
    ctx.ini.WriteCount(section, static_cast<int>(properties.size()));
    for (std::size_t k = 0; k < properties.size(); ++k) {
        const WmiProperty& property = properties[k];
        if (!property.value)
            continue;
        const std::string text =
                ApplyPropertyFormat(className, property.name, FormatVariant(*property.value), ctx.config);
        ctx.ini.Write(section, static_cast<int>(k + 1), PropertyEntry(property.name, text, isLeadByte));
    }
}

// The Root entry at `position`, the class section and one section per
// instance; false when the class cannot be read.
bool ExportClass(const ExportContext& ctx, int position, std::string_view className)
{
    const std::optional<std::vector<WmiInstance>> instances = ctx.host.ReadClass(className, ctx.blanket);
    if (!instances) {
        ctx.host.ShowMessage(EnumerateFailedText(className), kErrorCaption);
        return false;
    }
    ctx.ini.Write(kRootSection, position, ChildEntry(className));

    const int count = static_cast<int>(std::min<std::size_t>(instances->size(), kMaxInstances));
    for (int i = 1; i <= count; ++i) {
        const WmiInstance& instance = (*instances)[static_cast<std::size_t>(i - 1)];
        ctx.ini.WriteCount(className, count);
        if (!instance.className)
            continue;
        std::string section(className);
        if (count >= 2) {
            section = InstanceSection(*instance.className, i);
            ctx.ini.Write(className, i, ChildEntry(section));
        }
        if (instance.properties)
            WriteProperties(ctx, className, section, *instance.properties);
    }
    return true;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    path += '\\';
    path += name;
    return path;
}

}  // namespace

bool WmiGetAll(WmiHost& host, std::string_view outputFolder)
{
    const std::string iniPath = JoinPath(outputFolder, kIniFileName);
    if (outputFolder.empty() || iniPath.size() > kMaxIniPathChars)
        return false;

    if (!host.InitializeCom()) {
        host.ShowMessage(kComFailedText, kMessageCaption);
        return false;
    }
    const std::string configPath = JoinPath(host.ProgramFolder(), kConfigFileName);
    if (!host.CanRead(configPath)) {
        host.ShowMessage(kNoConfigText, kLibraryCaption);
        return false;
    }
    const ProxyBlanket blanket =
            host.InitializeSecurity() == Security::SetBefore ? ProxyBlanket::Set : ProxyBlanket::Leave;

    for (const std::string& prefix : FolderPrefixes(outputFolder))
        host.CreateFolder(prefix);
    InfoIniFile ini(host, iniPath);
    ini.Start();
    ini.WriteCount(kRootSection, 0);

    const ProfileConfig config(host, configPath);
    const ExportContext ctx{.host = host, .ini = ini, .config = config, .blanket = blanket};
    int exported = 0;
    bool lastExported = false;
    for (std::size_t p = 0; p < kClassList.size(); ++p) {
        lastExported = ExportClass(ctx, static_cast<int>(p + 1), kClassList[p]);
        exported += lastExported ? 1 : 0;
    }
    ini.WriteCount(kRootSection, exported);
    if (!lastExported)
        return false;

    const std::optional<bool> published = host.RunHtmlEngine(std::string(outputFolder));
    if (!published) {
        host.ShowMessage(kNoHtmlEngineText, kMessageCaption);
        return false;
    }
    return *published;
}

}  // namespace vantor::wmi
