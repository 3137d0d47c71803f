#pragma once

#include <string_view>

// What the page holds besides the window's controls, as the build writes it and the program
// finds it again by its id.
namespace web {

// The line under the window that says, in the page's language, that the calculator is not
// working yet: as written, that the browser runs no JavaScript; once the page's script
// runs, that it is loading; where the program cannot start, that this browser cannot run
// it. The program hides it once it has taken the window over. On a site, it comes back to
// say that a newer version has been kept and opens the next time.
inline constexpr std::string_view kNoticeId = "notice";
inline constexpr std::string_view kNoScript =
    "Калкулаторът не работи без JavaScript: включете го в настройките на браузъра.";
inline constexpr std::string_view kLoading = "Калкулаторът се зарежда…";
inline constexpr std::string_view kCannotRun =
    "Този браузър не може да изпълни калкулатора. Отворете страницата в по-нов браузър.";
inline constexpr std::string_view kUpdated = "Готова е нова версия: ще се отвори следващия път.";

// Where the program tells a screen reader each result, whole: a status of its own, never
// drawn.
inline constexpr std::string_view kAnnouncementId = "announcement";

}  // namespace web
