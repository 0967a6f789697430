#pragma once

#include <string>

// What the player reads when the data file or its folder cannot be used: what happened, what to
// do, and the file or folder concerned. Each ends with the quoted path, so the error box adds
// no full stop after it.
namespace lymn::store::messages {

std::string missing(const std::string& dataFile);
std::string notOurs(const std::string& dataFile);
std::string damaged(const std::string& dataFile);
std::string noPermission(const std::string& dataFile);
std::string heldByAnother(const std::string& dataFile);
// The file still carries its resting header: the start-up could not write it.
std::string notPrepared(const std::string& dataFile);
// The start-up stopped before it knew the file; lookups cannot connect.
std::string noConnection();
// The file opened but holds no character table the program can read.
std::string unreadable(const std::string& dataFile);

// The installed program's working folder and the data file shipped with it.
std::string noHome();
std::string noFolder(const std::string& folder);
std::string noShipped(const std::string& shippedFile);
std::string copyFailed(const std::string& folder);

}  // namespace lymn::store::messages
