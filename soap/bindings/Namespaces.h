// Namespace tables: one per proxy (standard rows plus the proxy's own
// prefix), and the combined table that engine initialisation installs.
#pragma once

struct Namespace;

namespace kv::wire {

/// Namespace URIs of the three service areas.
inline constexpr char kClashAreaUri[] = "http://clash.ws.ruvu/";
inline constexpr char kHoleAreaUri[] = "http://hole.ws.ruvu/";
inline constexpr char kPathwalkAreaUri[] = "http://pathwalk.ws.ruvu/";

/// The table of one service prefix ("CLASHRULE"); null for an unknown one.
const Namespace *NamespacesOf(const char *prefix);

}  // namespace kv::wire
