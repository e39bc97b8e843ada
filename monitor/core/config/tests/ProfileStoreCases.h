// One table of profile-file cases for both stores: the memory fake natively
// and the Windows profile functions under Wine, so the fake cannot drift
// from what Windows does.
#pragma once

namespace vantor::monitor::cases {

inline constexpr const char* kReadFileText = "; a comment\r\n"
                                             "[Main]\r\n"
                                             "  Width =  640  \r\n"
                                             "Name=\"quoted text\"\r\n"
                                             "Half=\"open\r\n"
                                             "Bare\r\n"
                                             "Width=999\r\n"
                                             "[other]\n"
                                             "Width=1\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

inline constexpr ReadCase kReadCases[] = {
        {"Main", "Width", "640"},  // blanks around key and value trimmed; first key wins
        {"MAIN", "width", "640"},  // names without regard to case
        {"Main", "Name", "quoted text"}, {"Main", "Half", "\"open"},  // an unmatched quote stays
        {"Main", "Bare", "fallback"},                                 // a line without '=' has no value
        {"Other", "Width", "1"},                                      // LF-only lines read too
        {"Main", "Missing", "fallback"}, {"Nowhere", "Width", "fallback"},
};

// Writes in this order produce exactly kWrittenText from nothing.
struct WriteStep {
    const char* section;
    const char* key;
    const char* value;
};

inline constexpr WriteStep kWriteSteps[] = {
        {"A", "One", "1"},
        {"B", "Two", "2"},
        {"a", "Three", "3"},  // into the existing section A
        {"A", "ONE", "11"},   // in place, the stored spelling kept
};

inline constexpr const char* kWrittenText = "[A]\r\nOne=11\r\nThree=3\r\n[B]\r\nTwo=2\r\n";

}  // namespace vantor::monitor::cases
