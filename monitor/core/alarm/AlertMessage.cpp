#include "alarm/AlertMessage.h"

namespace vantor::monitor::alarm {

std::string ComposeAlertMessage(const AlertTexts& texts, std::string_view extra, std::string_view shortName,
                                SensorKind kind)
{
    std::string text = texts.vantorMessage;
    text += ":\n";
    text += extra;
    text += "\n";
    text += texts.someWarnings;
    text += ": \n";
    text += shortName;
    text += " ";
    text += EnglishKindName(kind);
    return text;
}

bool AppendAlertName(std::string& text, int& appendCount, std::string_view shortName, SensorKind kind)
{
    if (appendCount / 3 >= 2)
        return false;
    const int n = appendCount++;
    text += n % 3 == 0 ? ",\n" : ", ";
    text += shortName;
    text += " ";
    text += EnglishKindName(kind);
    return true;
}

bool InsertCoolnQuietSentence(std::string& text, std::string_view sentence)
{
    if (text.find("AMD") != std::string::npos)
        return false;
    if (!sentence.empty() && text.find(sentence) != std::string::npos)
        return false;
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string::npos)
        return false;
    text.insert(lineBreak + 1, sentence);
    return true;
}

}  // namespace vantor::monitor::alarm
