#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zt::ai {

/// Bytes as a JSON document: one JSON string holding their base64 form.
std::string feedbackJSON(std::span<const std::uint8_t> bytes);

/// Writes a feedback document, atomically, to the environment's documents directory as
/// "sessionData-<ISO 8601 time>-<upper-case UUID>.json", telling the console what it does.
/// Returns the file's path; nothing when the write failed (the console says why).
std::optional<std::filesystem::path> saveFeedbackFile(std::string_view json);

} // namespace zt::ai
