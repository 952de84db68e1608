#pragma once

// Where a search engine cuts a result's title (at titlePixelSize) and its
// description (at descriptionPixelSize): two lines of 460 px. The previews cut
// there, and the checker warns past them.

namespace velko {

inline constexpr int searchTitleWidth = 600;
inline constexpr int searchDescriptionWidth = 920;

} // namespace velko
