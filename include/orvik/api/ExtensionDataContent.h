#pragma once

#include "orvik/api/IdSet.h"
#include "orvik/api/Matrix3d.h"
#include "orvik/api/UTF16String.h"
#include "orvik/api/UTF8String.h"
#include "orvik/api/UnitTypeEnum.h"

#include <string>
#include <vector>

namespace Orvik {

// Data a third party attached to an object, keyed by its type id.
class ExtensionDataContent {
public:
    void SetTypeId(const UTF8String& typeId) { m_typeId = typeId; }
    const UTF8String& TypeId() const { return m_typeId; }
    // Raw bytes; may hold decoded binary data.
    void SetData(std::string data) { m_data = std::move(data); }
    const std::string& Data() const { return m_data; }
    // Kind 0: occurrence path; kind 1: any other object path.
    void SetObjectPath(const IdSet& path, int kind) {
        m_objectPath = path;
        m_objectPathKind = kind;
    }
    const IdSet& ObjectPath() const { return m_objectPath; }
    int ObjectPathKind() const { return m_objectPathKind; }
    void SetLengthUnit(UnitTypeEnum unit) {
        m_lengthUnit = unit;
        m_hasLengthUnit = true;
    }
    bool LengthUnit(UnitTypeEnum& unit) const {
        unit = m_lengthUnit;
        return m_hasLengthUnit;
    }
    void SetTransform(const Matrix3d& transform) {
        m_transform = transform;
        m_hasTransform = true;
    }
    bool Transform(Matrix3d& transform) const {
        transform = m_transform;
        return m_hasTransform;
    }
    void AddFileRef(const UTF16String& path) { m_fileRefs.push_back(path); }
    const std::vector<UTF16String>& FileRefs() const { return m_fileRefs; }

private:
    UTF8String m_typeId;
    std::string m_data;
    IdSet m_objectPath;
    int m_objectPathKind = 1;
    UnitTypeEnum m_lengthUnit = UnitTypeEnum::kUnitType_Unknown;
    bool m_hasLengthUnit = false;
    Matrix3d m_transform;
    bool m_hasTransform = false;
    std::vector<UTF16String> m_fileRefs;
};

} // namespace Orvik
