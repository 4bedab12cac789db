#include "receiver/HidReport.h"

#include <iterator>

#include "receiver/HidUsageNames.h"

namespace {

constexpr unsigned char kMediaCenterReportId = 2;
constexpr std::uint16_t kSystemPowerDown = 0x81;

std::vector<HidUsage> ConsumerUsages(const unsigned char* data, std::size_t size) {
    std::vector<HidUsage> down;
    if (size == 1) {
        if (data[0]) down.push_back({hid_page::kConsumer, data[0]});
        return down;
    }
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto usage = static_cast<std::uint16_t>(data[i] | data[i + 1] << 8);
        if (usage) down.push_back({hid_page::kConsumer, usage});
    }
    return down;
}

}  // namespace

HidCollection CollectionOf(std::uint16_t page, std::uint16_t usage) {
    constexpr HidCollection kRemoteKinds[] = {HidCollection::kConsumer, HidCollection::kMediaCenter,
                                              HidCollection::kSystem};
    const HidUsage collection{page, usage};
    for (std::size_t i = 0; i < std::size(kRemoteCollections); ++i)
        if (collection == kRemoteCollections[i]) return kRemoteKinds[i];
    return collection == kKeyboardCollection ? HidCollection::kKeyboard : HidCollection::kOther;
}

std::optional<std::vector<HidUsage>> ButtonsDown(HidCollection collection, const unsigned char* report,
                                                 std::size_t size) {
    if (size < 2) return std::nullopt;
    const unsigned char* data = report + 1;
    const std::size_t dataSize = size - 1;
    switch (collection) {
        case HidCollection::kConsumer:
            return ConsumerUsages(data, dataSize);
        case HidCollection::kMediaCenter:
            if (report[0] != kMediaCenterReportId) return std::nullopt;
            if (!data[0]) return std::vector<HidUsage>{};
            return std::vector<HidUsage>{{hid_page::kMediaCenter, data[0]}};
        case HidCollection::kSystem: {
            std::vector<HidUsage> down;
            for (int bit = 0; bit < 3; ++bit)
                if (data[0] & 1 << bit)
                    down.push_back(
                        {hid_page::kGenericDesktop, static_cast<std::uint16_t>(kSystemPowerDown + bit)});
            return down;
        }
        default:
            return std::nullopt;
    }
}
