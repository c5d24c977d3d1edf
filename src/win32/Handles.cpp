#include "win32/Handles.h"

namespace {

std::array<std::atomic<long>, static_cast<size_t>(HandleKind::Count)> g_live{};

}  // namespace

std::atomic<long>& handles_detail::Counter(HandleKind kind) { return g_live[static_cast<size_t>(kind)]; }

long LiveHandles(HandleKind kind) { return g_live[static_cast<size_t>(kind)].load(); }
