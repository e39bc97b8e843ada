// The translation library on Windows (LanguageLibrary_win.cpp), and the
// program's one binding of it, made at first use. Windows builds only.
#pragma once

#include "language/LanguageBinding.h"
#include "language/LanguageLibrary.h"

namespace vantor::monitor {

class WinLanguageLibrary : public LanguageLibrary {
public:
    WinLanguageLibrary() = default;
    WinLanguageLibrary(const WinLanguageLibrary&) = delete;
    WinLanguageLibrary& operator=(const WinLanguageLibrary&) = delete;
    // Unloads a library that this object loaded (the program's own binding
    // lives for the whole run and keeps it).
    ~WinLanguageLibrary() override;

    std::string ProgramFolder() override;
    bool Load(const std::string& path) override;
    bool Resolve(LanguageExport which) override;
    const char* TranslateStr(const char* text) override;
    const char* TranslateStrF(const char* key, const char* text, const char* argument) override;
    const char* GetLangPathName() override;
    const char* GetLangName() override;

private:
    void* m_module = nullptr;
    void* m_procs[4] = {};
};

// The program's binding, bound at the first use of any of its operations.
LanguageBinding& ProgramLanguage();

}  // namespace vantor::monitor
