#pragma once

#include <string>

// The small per-user key-value store that outlives the process: the last
// configuration's name, the program folder and the first-use flag.
class Profile {
  public:
    virtual ~Profile() = default;
    virtual std::string GetString(const std::string& key, const std::string& fallback) const = 0;
    virtual int GetInt(const std::string& key, int fallback) const = 0;
    virtual void SetString(const std::string& key, const std::string& value) = 0;
    virtual void SetInt(const std::string& key, int value) = 0;
};
