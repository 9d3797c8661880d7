#include "HRX_LV2_Messages.h"

#include <lv2/atom/util.h>
#include <lv2/patch/patch.h>

std::string HRX_LV2_PluginUri(const HRX_LV2_Product& product, int32_t channels) {
    return std::string(product.uri) + (channels == 1 ? "/mono" : "/stereo");
}

std::string HRX_LV2_UiUri(const HRX_LV2_Product& product) {
    return std::string(product.uri) + "/ui";
}

std::string HRX_LV2_StateUri(const HRX_LV2_Product& product) {
    return std::string(product.uri) + "#state";
}

namespace {
LV2_URID mapped(const LV2_URID_Map* map, const char* uri) {
    return map ? map->map(map->handle, uri) : 0;
}
}  // namespace

HRX_LV2_URIDs::HRX_LV2_URIDs(const LV2_URID_Map* map, const HRX_LV2_Product& product)
    : atomChunk(mapped(map, LV2_ATOM__Chunk)),
      atomObject(mapped(map, LV2_ATOM__Object)),
      atomURID(mapped(map, LV2_ATOM__URID)),
      atomEventTransfer(mapped(map, LV2_ATOM__eventTransfer)),
      patchGet(mapped(map, LV2_PATCH__Get)),
      patchSet(mapped(map, LV2_PATCH__Set)),
      patchProperty(mapped(map, LV2_PATCH__property)),
      patchValue(mapped(map, LV2_PATCH__value)),
      state(mapped(map, HRX_LV2_StateUri(product).c_str())) {}

HRX_LV2_Message HRX_LV2_ReadMessage(const HRX_LV2_URIDs& urids, const LV2_Atom* atom) {
    HRX_LV2_Message message;
    if (!atom || atom->type != urids.atomObject || atom->size < sizeof(LV2_Atom_Object_Body))
        return message;
    const auto* object = reinterpret_cast<const LV2_Atom_Object*>(atom);
    if (object->body.otype == urids.patchGet) {
        message.kind = HRX_LV2_Message::Kind::Request;
        return message;
    }
    if (object->body.otype != urids.patchSet)
        return message;
    // The properties, each read only when it lies entirely within the object.
    const auto* body = static_cast<const uint8_t*>(LV2_ATOM_BODY_CONST(atom));
    const LV2_Atom* property = nullptr;
    const LV2_Atom* value = nullptr;
    for (size_t offset = sizeof(LV2_Atom_Object_Body); offset + sizeof(LV2_Atom_Property_Body) <= atom->size;) {
        const auto* entry = reinterpret_cast<const LV2_Atom_Property_Body*>(body + offset);
        const size_t size = sizeof(LV2_Atom_Property_Body) + entry->value.size;
        if (size > atom->size - offset)
            break;
        if (entry->key == urids.patchProperty)
            property = &entry->value;
        else if (entry->key == urids.patchValue)
            value = &entry->value;
        offset += (size + 7) & ~static_cast<size_t>(7);  // properties are 64-bit aligned
    }
    if (!property || property->type != urids.atomURID || property->size < sizeof(LV2_URID) ||
        reinterpret_cast<const LV2_Atom_URID*>(property)->body != urids.state || !value ||
        value->type != urids.atomChunk)
        return message;
    message.kind = HRX_LV2_Message::Kind::State;
    message.bytes = static_cast<const uint8_t*>(LV2_ATOM_BODY_CONST(value));
    message.size = value->size;
    return message;
}

bool HRX_LV2_WriteRequest(LV2_Atom_Forge& forge, const HRX_LV2_URIDs& urids) {
    LV2_Atom_Forge_Frame frame;
    if (!lv2_atom_forge_object(&forge, &frame, 0, urids.patchGet))
        return false;
    lv2_atom_forge_pop(&forge, &frame);
    return true;
}

bool HRX_LV2_WriteState(LV2_Atom_Forge& forge, const HRX_LV2_URIDs& urids, const uint8_t* bytes, uint32_t size) {
    LV2_Atom_Forge_Frame frame;
    if (!lv2_atom_forge_object(&forge, &frame, 0, urids.patchSet))
        return false;
    const bool written = lv2_atom_forge_key(&forge, urids.patchProperty) && lv2_atom_forge_urid(&forge, urids.state) &&
                         lv2_atom_forge_key(&forge, urids.patchValue) &&
                         lv2_atom_forge_atom(&forge, size, urids.atomChunk) &&
                         lv2_atom_forge_write(&forge, bytes, size);
    lv2_atom_forge_pop(&forge, &frame);
    return written;
}
