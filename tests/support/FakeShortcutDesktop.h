#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/GlobalShortcut.h"
#include "platform/KeyCombination.h"

// A desktop whose answers the test sets: the session kind, whether the
// portal offers shortcuts, and the answer to each bind (given at once, or
// held back until the test calls Answer()).
class FakeShortcutDesktop : public ShortcutDesktop {
  public:
    bool x11 = true;
    bool wayland = false;
    bool portal = false;
    // Combinations other programs hold.
    std::vector<std::string> taken;
    // Binds wait for Answer() instead of answering at once.
    bool deferAnswers = false;

    int probes = 0;
    std::vector<ShortcutBackend> created;
    std::vector<std::string> bound; // portable texts, in order
    int unbinds = 0;
    std::vector<std::function<void(ShortcutGrab)>> pending;
    std::function<void()> activate;

    bool X11() const override { return x11; }
    bool WaylandSession() const override { return wayland; }
    bool PortalOffersShortcuts() override {
        ++probes;
        return portal;
    }
    std::unique_ptr<GlobalShortcut> Create(ShortcutBackend backend,
                                           std::function<void()> activated) override {
        created.push_back(backend);
        activate = std::move(activated);
        return std::make_unique<Shortcut>(*this);
    }
    void Answer(std::size_t index, ShortcutGrab grab) { pending.at(index)(grab); }

  private:
    class Shortcut : public GlobalShortcut {
      public:
        explicit Shortcut(FakeShortcutDesktop& desktop) : desktop_(desktop) {}
        void Bind(const KeyCombination& combination,
                  std::function<void(ShortcutGrab)> done) override {
            const std::string text = KeyCombinationText(combination);
            desktop_.bound.push_back(text);
            if (desktop_.deferAnswers) {
                desktop_.pending.push_back(std::move(done));
                return;
            }
            bool held = false;
            for (const std::string& t : desktop_.taken)
                held |= t == text;
            done(held ? ShortcutGrab::TakenByOther : ShortcutGrab::Active);
        }
        void Unbind() override { ++desktop_.unbinds; }

      private:
        FakeShortcutDesktop& desktop_;
    };
};
