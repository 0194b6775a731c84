#include "tools/CfgPlatform.h"

MsgAnswer StreamPrompter::Message(const std::string& text, const std::string& caption, MsgIcon,
                                  MsgButtons buttons) {
    ++count_;
    const std::string line = MessageLine(caption, text) + "\n";
    std::fputs(line.c_str(), stream_);
    // Questions take their first answer, as a user pressing Enter would.
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                              : MsgAnswer::Ok;
}

std::string MessageLine(const std::string& caption, const std::string& text) {
    std::string line = caption + ": ";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows makes the space
        line += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return line;
}

std::string MemoryProfile::GetString(const std::string& key, const std::string& fallback) const {
    const auto it = strings_.find(key);
    return it == strings_.end() ? fallback : it->second;
}

int MemoryProfile::GetInt(const std::string& key, int fallback) const {
    const auto it = ints_.find(key);
    return it == ints_.end() ? fallback : it->second;
}
