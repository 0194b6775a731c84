#pragma once

#include <thread>

// Sets up Qt's font database (fontconfig reads its configuration and font
// caches) on a second thread while the main thread builds the window; the
// first text the window measures would otherwise wait for it. The database
// is shared by all threads and guards itself.
class FontSetUp {
  public:
    FontSetUp();
    ~FontSetUp();
    FontSetUp(const FontSetUp&) = delete;
    FontSetUp& operator=(const FontSetUp&) = delete;

  private:
    std::thread thread_;
};
