#include "rules/channel_rules.h"

#include "numbers/number_text.h"

#include <array>
#include <charconv>
#include <limits>

namespace tarvanel {

namespace {

std::optional<std::int16_t> checked16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace

std::optional<std::int16_t> channelFrequencyMHz(std::int16_t channel, Band band) {
    const auto offset = checked16(channel - 1);
    if (!offset) return std::nullopt;
    const auto step = checked16(*offset * 5);
    if (!step) return std::nullopt;
    return checked16(*step + bandTable(band).baseMHz + 5);
}

std::optional<std::string> channelFrequencyText(std::string_view channelText,
                                                const NumberLocale& locale, Band band) {
    const Outcome<std::int16_t> channel = toInt16(channelText, locale);
    if (!channel.ok()) return std::nullopt;
    const auto frequency = channelFrequencyMHz(channel.value, band);
    if (!frequency) return std::nullopt;

    std::array<char, 8> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), *frequency);
    std::string text(digits.data(), written.ptr);
    if (*frequency >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::vector<std::string> channelItems(Band band, ChannelWidth width) {
    std::vector<std::string> items;
    for (int channel : channelsOf(band, width))
        items.push_back(' ' + std::to_string(channel));
    return items;
}

} // namespace tarvanel
