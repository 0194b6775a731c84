// Placeholder translation unit until the view lands.
namespace {
[[maybe_unused]] constexpr int kUnused = 0;
}
