#pragma once

// Help addresses that the print-design family shares: the flyer and greeting card designers, the image
// markup tools and the chart and family tree designers.
namespace Configurations {

inline constexpr const char* kPrintFamilySupportMail = "support@velk.app";
inline constexpr const char* kPrintFamilySite = "https://www.velk.app/tazmir";

// The information mailbox of the label designers and the business card designer.
inline constexpr const char* kLabelFamilyInfoMail = "info@velk.app";

} // namespace Configurations
