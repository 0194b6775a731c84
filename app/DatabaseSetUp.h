#pragma once

#include <thread>

// Sets up, on a second thread while the main thread builds the window, the
// shared databases Qt fills on first use: the font database (fontconfig
// reads its configuration and font caches), which the first text the window
// measures would otherwise wait for, and the MIME database, which a load
// asks about every document button. Both guard themselves for use from any
// thread.
class DatabaseSetUp {
  public:
    DatabaseSetUp();
    ~DatabaseSetUp();
    DatabaseSetUp(const DatabaseSetUp&) = delete;
    DatabaseSetUp& operator=(const DatabaseSetUp&) = delete;

  private:
    std::thread thread_;
};
