#include "plugins/mediakeys/MediaKeys.h"

#include "core/Text.h"

const MediaKey* FindMediaKey(std::string_view parameter) {
    for (const MediaKey& key : kMediaKeys) {
        if (EqualIgnoringCase(key.parameter, parameter)) return &key;
    }
    return nullptr;
}
