// The texts that name the program and its makers, in one place for the about and author
// windows and the two credit panels of the main window's status bar. UTF-8.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace timyanka::dialogs::credits {

inline constexpr std::string_view kProductTitle = "ТИМЬЯНКА 2";
inline constexpr std::string_view kVersion = "версия 1.0";
inline constexpr std::string_view kTeam = "Команда Тимьянки";
// The team's name in the author window's two name boxes.
inline constexpr std::array<std::string_view, 2> kTeamNameBoxes = {"Команда", "Тимьянки"};

// The about window's lines under the title.
inline constexpr std::string_view kAuthorLine = "Автор: Команда Тимьянки";
inline constexpr std::string_view kEnvironmentLine = "Написано на C++20 с Qt 6";
inline constexpr std::string_view kYearLine = "2026 год";
inline constexpr std::string_view kPlaceLine = "Россия";

// The maker's web address, without scheme, and the team's mail address.
inline constexpr std::string_view kWebAddress = "www.example.org";
inline constexpr std::string_view kMailAddress = "timyanka@example.org";

// The author window's lines about the team.
inline constexpr std::array<std::string_view, 5> kAboutTeam = {
    "«Тимьянку 2» делает Команда Тимьянки —",
    "несколько любителей домашней кухни",
    "и программирования.",
    "Мы собираем рецепты, которые готовим сами,",
    "и будем рады вашим письмам:",
};

// The main window's status bar: the author credit and the web address panels.
inline constexpr std::string_view kStatusAuthorCredit = "© 2026 Команда Тимьянки";
inline constexpr std::string_view kStatusWebAddress = kWebAddress;

// The link that opens a new letter to the team.
inline std::string MailLinkTarget() {
    return std::string("mailto:").append(kMailAddress);
}

} // namespace timyanka::dialogs::credits
