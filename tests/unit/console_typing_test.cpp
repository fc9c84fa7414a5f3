// Typed input: the handshake state, echo, Enter, Backspace with the two-byte rule
// and the typed-count floor, the full input line, and the last key.
#include <gtest/gtest.h>

#include <string>

#include "console/typed_input.h"

namespace {

using namespace tess;

// A window that keeps its own layer and records what is echoed into it.
class RecordingWindow : public TypingWindow {
 public:
  void echo(std::string_view value_text) override {
    echoes += std::string(value_text);
    layer.write(value_text, 0xFFFFFF, 0);
  }
  TextLayer* edited_layer() override { return &layer; }
  void repaint() override { ++repaints; }

  TextLayer layer;
  std::string echoes;
  int repaints = 0;
};

void type_all(KeyboardState& k, RecordingWindow& w, std::string_view keys, TypingRole role = TypingRole::Console,
              bool running = true) {
  for (char c : keys) type_character(k, w, static_cast<uint8_t>(c), role, running);
}

class Typing : public ::testing::Test {
 protected:
  Typing() {
    window.layer.write("? ", 0xFFFFFF, 0);  // the prompt
    keyboard.begin_line();
  }
  KeyboardState keyboard;
  RecordingWindow window;
};

TEST_F(Typing, CharactersAreEchoedAndEnterEndsTheLine) {
  type_all(keyboard, window, "ab,c");
  EXPECT_TRUE(keyboard.in_progress());
  type_all(keyboard, window, "\r");
  EXPECT_FALSE(keyboard.in_progress());
  EXPECT_EQ(keyboard.take_line(), "ab,c");
  EXPECT_EQ(window.layer.text(), "? ab,c\n");
  EXPECT_EQ(keyboard.last_key(), 0) << "keys typed into an input are not the last key";
}

TEST_F(Typing, QuotesZerosAndEscapeBytesAreStoredAsValueText) {
  type_all(keyboard, window, std::string("\"x\x01", 3));
  type_character(keyboard, window, 0, TypingRole::Console, true);
  EXPECT_EQ(std::string(keyboard.line()), std::string("\x01" "Dx\x01\x01\x01Z"));
  EXPECT_EQ(window.layer.text(), std::string("? \"x\x01 "));
  EXPECT_EQ(keyboard.typed_count(), 4);
}

TEST_F(Typing, BackspaceRightAfterThePromptDoesNothing) {
  type_all(keyboard, window, "\b\b");
  EXPECT_EQ(window.layer.text(), "? ");
  EXPECT_EQ(window.repaints, 0);
  type_all(keyboard, window, "x\b\b");
  EXPECT_EQ(window.layer.text(), "? ");
  EXPECT_EQ(keyboard.line(), "");
  EXPECT_EQ(window.repaints, 1);
}

TEST_F(Typing, BackspaceAfterADoubleByteCharacterRemovesBothBytes) {
  type_all(keyboard, window, "a\x82\xa0");  // a, then HIRAGANA A in two messages
  EXPECT_EQ(keyboard.typed_count(), 3);
  type_all(keyboard, window, "\b");
  EXPECT_EQ(window.layer.text(), "? a");
  EXPECT_EQ(keyboard.line(), "a");
  EXPECT_EQ(keyboard.typed_count(), 1);
  type_all(keyboard, window, "\b\b");
  EXPECT_EQ(window.layer.text(), "? ");
}

TEST_F(Typing, BackspaceOverATypedQuoteCutsItsWholeEscape) {
  type_all(keyboard, window, "a\"\bb\r");
  EXPECT_EQ(keyboard.take_line(), "ab");
}

TEST_F(Typing, BackspaceKeepsTheTextAfterTheCursorAndItsColours) {
  window.layer.write("tail", 0x0000FF, 0);
  window.layer.cursor = 2;
  type_all(keyboard, window, "x\b");
  EXPECT_EQ(window.layer.text(), "? ail");
  EXPECT_EQ(window.layer.foreground(2), 0x0000FFu);
}

TEST_F(Typing, TheInputLineRefusesCharactersOnceFull) {
  const std::string many(kInputLineLimit + 10, 'x');
  type_all(keyboard, window, many);
  EXPECT_EQ(keyboard.line().size(), kInputLineLimit);
  EXPECT_EQ(keyboard.typed_count(), static_cast<int>(kInputLineLimit));
  type_all(keyboard, window, "\b\"");  // a quote needs two bytes, one is free
  EXPECT_EQ(keyboard.line().size(), kInputLineLimit - 1);
  type_all(keyboard, window, "\x82");  // a lead byte needs room for its second half
  EXPECT_EQ(keyboard.line().size(), kInputLineLimit - 1);
  type_all(keyboard, window, "\b\x82\xa0");
  EXPECT_EQ(keyboard.line().size(), kInputLineLimit);
  EXPECT_EQ(keyboard.line().substr(kInputLineLimit - 2), "\x82\xa0");
}

TEST(LastKey, TheConsoleKeepsKeysTypedOutsideAnInput) {
  KeyboardState keyboard;
  RecordingWindow window;
  type_all(keyboard, window, "q");
  EXPECT_EQ(keyboard.take_last_key(), 'q');
  EXPECT_EQ(keyboard.take_last_key(), 0);
  EXPECT_EQ(window.echoes, "") << "no echo outside an input";
  type_all(keyboard, window, "\r");
  EXPECT_EQ(keyboard.take_last_key(), 13);
}

TEST(LastKey, APromptWindowKeepsEveryKeyEvenDuringInput) {
  KeyboardState keyboard;
  RecordingWindow window;
  keyboard.begin_line();
  type_all(keyboard, window, "z", TypingRole::Prompt);
  EXPECT_EQ(keyboard.last_key(), 'z');
  EXPECT_EQ(keyboard.line(), "z");
}

TEST(LastKey, ConsoleBackspaceOutsideInputEditsOnlyWhileNoProgramRuns) {
  KeyboardState keyboard;
  RecordingWindow window;
  window.layer.write("abc", 0xFFFFFF, 0);
  type_all(keyboard, window, "\b", TypingRole::Console, true);
  EXPECT_EQ(window.layer.text(), "abc");
  type_all(keyboard, window, "\b", TypingRole::Console, false);
  EXPECT_EQ(window.layer.text(), "ab");
  type_all(keyboard, window, "\b", TypingRole::Prompt, false);
  EXPECT_EQ(window.layer.text(), "ab") << "a PROMPT window edits only during input";
}

TEST(LastCharacterSize, LeadBytesAndEscapesBeforeTheLastByteDecide) {
  struct Case {
    std::string text;
    int size;
  };
  const Case cases[] = {
      {"", 0},           {"ab\n", 0},        {"a", 1},
      {"\x82\xa0", 2},   {"a\x82\xa0", 2},   {"\x82\xa0" "b", 1},
      {"\x81\x81\x81\x40", 2},  // lead, trail(=lead byte value), lead, trail
      {"\x01L", 2},
  };
  for (const auto& c : cases) {
    TextLayer layer;
    layer.insert(0, c.text, 0, 0);  // bytes as they stand in the layer
    layer.cursor = layer.length();
    EXPECT_EQ(last_character_size(layer), c.size) << "text of " << c.text.size() << " bytes";
  }
}

}  // namespace
