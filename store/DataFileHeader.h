#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

namespace lymn::store {

using HeaderBlock = std::array<uint8_t, 16>;

// The first 16 bytes of the data file hold one of these.
// The standard database signature: 00 01 00 00 "Standard Jet".
inline constexpr HeaderBlock kStandardSignature = {0x00, 0x01, 0x00, 0x00, 'S', 't', 'a', 'n',
                                                   'd',  'a',  'r',  'd',  ' ', 'J', 'e', 't'};
// The system's marker at rest: "HJ", 0, "VELMORINTA", 0, two blanks.
inline constexpr HeaderBlock kMarker = {'H', 'J', 0x00, 'V', 'E', 'L',  'M', 'O',
                                        'R', 'I', 'N',  'T', 'A', 0x00, ' ', ' '};
// What the storage engine itself keeps in those bytes.
inline constexpr HeaderBlock kEngineHeader = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                              'o', 'r', 'm', 'a', 't', ' ', '3', 0x00};

enum class HeaderState { Signature, Marker, Engine, Unknown };

HeaderState headerState(std::span<const uint8_t> fileStart);
const char* headerStateName(HeaderState s);

// Writes the standard signature into the first 16 bytes of an existing file. Nothing happens
// when no file exists at the path; a file that cannot be opened (for exclusive writing, never
// created or truncated) raises "Cannot open file %s".
void RestoreDataFileHeader(const std::filesystem::path& path);
// The same with the marker.
void HideDataFileHeader(const std::filesystem::path& path);

}  // namespace lymn::store
