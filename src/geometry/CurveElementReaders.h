#pragma once

#include "loader/SideDataCache.h"
#include "orvik/api/IObject.h"
#include "orvik/api/UTF8String.h"

#include <xercesc/dom/DOMElement.hpp>

namespace Orvik {

class ReadContext;

// The ways an "ICurve" element becomes a curve: by completing a stream curve waiting in the
// curve table, or as a new kernel curve. The curve table is keyed by the ids of the stream
// file, so it is searched with the element's id as read; the curve is registered under its new
// id when an id prefix is active.
class CurveElementReaders {
public:
    struct DispatchOutcome {
        bool consumed;
        bool result;
    };

    // True when the element's curve is registered now or an object with its id already was;
    // false when no stream curve waits for it.
    static bool ParseStreamCurveElement(ReadContext& context, const xercesc::DOMElement& element,
                                        CurveTable& curvesById, UTF8String& id);
    // A curve in the "ChildSet" of an assembly or a part: the held object, or null when the
    // element yields none.
    static IObject* ReadChildCurve(ReadContext& context, const xercesc::DOMElement& element,
                                   const ExternalGeometryTables& tables);
    // A top-level "ICurve" element reached by the dispatcher.
    static DispatchOutcome DispatchCurve(ReadContext& context, const xercesc::DOMElement& element,
                                         const ExternalGeometryTables& tables);
    // A curve in a set: the stream curve when one waits, and a kernel curve whenever kernel
    // curves were read. Both are offered under one id; the collector keeps the first.
    static bool ReadSetCurve(ReadContext& context, const xercesc::DOMElement& element,
                             const ExternalGeometryTables& tables, UTF8String& id);
    // A curve a callout element points at: the stream curve waiting under the element's id,
    // else a kernel curve when the kernel curves hold that id; none, and no failure, when
    // neither table holds it. False only when the kernel curve could not be made.
    static bool ReadCalloutCurve(ReadContext& context, const xercesc::DOMElement& element,
                                 const ExternalGeometryTables& tables, UTF8String& id);
    // A kernel curve made from the element (a sketch's curves). Null when the element cannot
    // be read or the collector refuses the curve.
    static IObject* ReadKernelCurve(ReadContext& context, const xercesc::DOMElement& element,
                                    const EdgeCurveTable& edgeCurvesByDxid);
};

} // namespace Orvik
