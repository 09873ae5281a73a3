#pragma once

#include "xml_util/XMLChName.h"

namespace Orvik {

// Reference elements inside "Styles"/"NetStyles", "Materials" and "Animations".
inline constexpr const char* StyleRefNodeName = "StyleRef";
inline constexpr const char* MaterialRefNodeName = "MaterialRef";
inline constexpr const char* AnimationRefNodeName = "AnimationRef";

inline constexpr XMLChName StyleRefNodeNameXMLCh{"StyleRef"};
inline constexpr XMLChName MaterialRefNodeNameXMLCh{"MaterialRef"};
inline constexpr XMLChName AnimationRefNodeNameXMLCh{"AnimationRef"};

// Extension of the property side file that sits beside the document.
inline constexpr const char* PropertyProtocalBufferExt = ".props";

} // namespace Orvik
