#pragma once

// The computer's external IP address, as the maker's address service ("ip.php") sees it.

#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

// Set by the owner of a running fetch (e.g. a login window that closes) to stop its retries.
using TIptalBayragi = std::shared_ptr<std::atomic<bool>>;
TIptalBayragi YeniIptalBayragi();

inline constexpr std::chrono::milliseconds DisAdresOkumaSuresi{1500};
inline constexpr std::chrono::milliseconds DisAdresBaglanmaSuresi{15000};
inline constexpr std::chrono::milliseconds DisAdresDenemeAraligi{1000};

// GETs the address service until it answers with success, waiting DisAdresDenemeAraligi after
// every failure, with no limit on the number of tries. Gives the answer's body without surrounding
// blanks (possibly empty), or nullopt once `iptal` is set. Blocks: run it on a worker thread.
std::optional<QString> DisAdresAl(const TIptalBayragi& iptal);
