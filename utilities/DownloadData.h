#pragma once

// Ten free-text notes about where a button's program was downloaded from.
class CDownloadData {
public:
    virtual ~CDownloadData() = default;
};
