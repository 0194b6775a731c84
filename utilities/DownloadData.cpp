#include "utilities/DownloadData.h"

#include "model/Text.h"

namespace {

// Shared by the reader and the writer, indexed by CDownloadData::Field.
constexpr const char* kKeywords[CDownloadData::FieldCount] = {
    "ZIP_FILE_NAME", "ZIP_FILE_VERSION", "ZIP_FILE_DATE", "ZIP_FILE_SIZE", "AUTHOR",
    "AUTHOR_URL",    "SHAREWARE_SITE",   "DOWNLOAD_URL",  "DOWNLOAD_DATE", "REGISTRATION_CODE"};

} // namespace

bool CDownloadData::IsEmpty() const {
    for (const std::string& field : fields_) {
        if (!field.empty()) {
            return false;
        }
    }
    return true;
}

const char* DownloadKeyword(CDownloadData::Field field) {
    return kKeywords[field];
}

int DownloadKeywordIndex(std::string_view keyword) {
    for (int i = 0; i < CDownloadData::FieldCount; ++i) {
        if (EqualsNoCase(keyword, kKeywords[i])) {
            return i;
        }
    }
    return -1;
}

std::string DownloadLines(const CDownloadData& data) {
    std::string out;
    for (int i = 0; i < CDownloadData::FieldCount; ++i) {
        const std::string& value = data.Get(static_cast<CDownloadData::Field>(i));
        if (!value.empty()) {
            out += kKeywords[i];
            out += ' ';
            // A line break inside a note would start a line of its own on reading.
            for (char c : value) {
                out += c == '\r' || c == '\n' ? ' ' : c;
            }
            out += "\r\n";
        }
    }
    return out;
}
