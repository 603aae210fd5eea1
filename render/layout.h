// Reading the layout of the menu screen (the record itself is in layout_record.h) and
// loading it with what the template brings.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "render/layout_object_fields.h"
#include "render/layout_record.h"

namespace render {

struct RenderState;

// Object `object`'s rectangle, fit, alpha, visibility and scroll speeds, and its text
// style when it is a text object, from its fields (render/layout_object_fields.h): the
// frontend's reader and the editor's preview both hand an object over this way.
void ApplyObjectFields(LayoutObjectFields fields, int object, Layout& layout);

// Fills `layout` from the text of a Layout.cfg (everything but the media directories,
// texture slots and scroll offsets, which belong to the configuration and the drawing).
// Pure: no files, no follow-up steps.
void ReadLayoutText(std::string_view text, Layout& layout);

// Reads <installDir>/Templates/<templateName>/Layout.cfg into rs.layout, then in order:
// the template pictures and fonts (when a display exists: they live on it), the scroll
// text of the configuration (<installDir>/config/<configName>/ScrollTexte.txt), its
// preparation, the picture scroll timers. 1 on success; 0 when the file cannot be
// opened (rs.layout unchanged, nothing else done).
int LoadLayout(RenderState& rs, const std::string& installDir, const std::string& configName,
               const std::string& templateName);

// The path of a template's directory (case-insensitive match of existing components).
// The configuration's media folders for the Snap, Marquee and Custom1-6 objects (the
// other objects get none).
void StoreMediaDirectories(Layout& layout, const std::string& snap, const std::string& marquees,
                           const std::array<std::string, 6>& custom);

std::string TemplateDirectory(const std::string& installDir, const std::string& templateName);

}  // namespace render
