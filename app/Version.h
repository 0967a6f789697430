#pragma once

// The executable's version information.
namespace lymn::version {

inline constexpr char kFileVersion[] = "0.1.0.0";
inline constexpr char kProductVersion[] = "beta 0.1";
inline constexpr char kFileDescription[] = "岚渊角色模拟器";
inline constexpr char kComments[] = "岚渊角色模拟器 测试版 0.1";
inline constexpr char kLegalCopyright[] = "Copyright (C) 2026 岚渊角色模拟器开发组";

// The same fields as one block of "Name=Value" lines, kept in the executable's ".lymn.version"
// section where file managers and `readelf -p .lymn.version` can read them.
const char* versionBlock();

}  // namespace lymn::version
