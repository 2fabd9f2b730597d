// The media command strings the receiver sends, and the ones it must refuse.
#include <gtest/gtest.h>

#include <string>

#include "platform/audio_command.h"

namespace kestrel::audio {
namespace {

MediaCommand parsed(const char *text) {
    MediaCommand c;
    std::string why;
    EXPECT_TRUE(parse_command(text, &c, &why)) << text << ": " << why;
    return c;
}

std::string refused(const char *text) {
    MediaCommand c;
    std::string why;
    EXPECT_FALSE(parse_command(text, &c, &why)) << text;
    return why;
}

TEST(MediaCommands, EveryStringTheReceiverSendsParses) {
    MediaCommand c = parsed("open fone/noise.wav alias noise");
    EXPECT_EQ(c.verb, Verb::open);
    EXPECT_EQ(c.device, "fone/noise.wav");
    EXPECT_EQ(c.alias, "noise");
    EXPECT_FALSE(c.notify);

    c = parsed("play noise notify");
    EXPECT_EQ(c.verb, Verb::play);
    EXPECT_EQ(c.device, "noise");
    EXPECT_TRUE(c.notify);

    c = parsed("seek noise to start");
    EXPECT_EQ(c.verb, Verb::seek);
    EXPECT_EQ(c.seek, SeekTo::start);

    c = parsed("stop fone/noise.wav");
    EXPECT_EQ(c.verb, Verb::stop);
    EXPECT_EQ(c.device, "fone/noise.wav");

    c = parsed("close fone/noise.wav");
    EXPECT_EQ(c.verb, Verb::close);

    c = parsed("play fone/usa-4396-01.mp3");
    EXPECT_EQ(c.verb, Verb::play);
    EXPECT_EQ(c.device, "fone/usa-4396-01.mp3");
    EXPECT_FALSE(c.notify);
    EXPECT_TRUE(c.alias.empty());
}

TEST(MediaCommands, KeywordsAreCaseInsensitiveAndQuotesKeepBlanks) {
    MediaCommand c = parsed("  OPEN  \"fone/my noise.wav\"  TYPE waveaudio ALIAS Hiss  wait ");
    EXPECT_EQ(c.verb, Verb::open);
    EXPECT_EQ(c.device, "fone/my noise.wav");
    EXPECT_EQ(c.alias, "Hiss");
    c = parsed("Seek hiss TO END notify");
    EXPECT_EQ(c.seek, SeekTo::end);
    EXPECT_TRUE(c.notify);
    c = parsed("close all wait");
    EXPECT_EQ(c.device, "all");
    EXPECT_TRUE(same_name("Fone/Noise.WAV", "fone/noise.wav"));
    EXPECT_FALSE(same_name("fone/noise.wav", "fone/noise.wa"));
}

TEST(MediaCommands, MalformedStringsAreRefusedWithAReason) {
    EXPECT_EQ(refused(""), "empty command");
    EXPECT_EQ(refused(" \t "), "empty command");
    EXPECT_EQ(refused("pause noise"), "unknown verb");
    EXPECT_EQ(refused("sndplay fone/noise.wav"), "unknown verb");
    EXPECT_EQ(refused("play"), "no device");
    EXPECT_EQ(refused("seek noise"), "seek without position");
    EXPECT_EQ(refused("seek noise to 1500"), "seek position not supported");
    EXPECT_EQ(refused("play noise from 0"), "unexpected word 'from'");
    EXPECT_EQ(refused("open fone/noise.wav alias"), "unexpected word 'alias'");
    EXPECT_EQ(refused("open a.wav alias x alias y"), "unexpected word 'alias'");
    EXPECT_EQ(refused("play a.wav alias x"), "unexpected word 'alias'");
    EXPECT_EQ(refused("open a.wav notify"), "unexpected word 'notify'");
    EXPECT_EQ(refused("play \"fone/noise.wav"), "unclosed quote");
    EXPECT_EQ(refused("play \"\""), "unclosed quote");
    EXPECT_EQ(refused("stop all"), "'all' only with close");
    EXPECT_EQ(refused(std::string(2000, 'p').c_str()), "command too long");
    MediaCommand c;
    std::string why;
    EXPECT_FALSE(parse_command(nullptr, &c, &why));
}

}  // namespace
}  // namespace kestrel::audio
