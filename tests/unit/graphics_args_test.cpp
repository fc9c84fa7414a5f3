// Argument parsing of the drawing, image, window and menu statements, the event
// queue, and the statements that work without a display.
#include <gtest/gtest.h>

#include "graphics/figure_args.h"
#include "graphics/image_args.h"
#include "interp/function_codes.h"
#include "interp/statement_codes.h"
#include "program_runner.h"
#include "values_fixture.h"
#include "windows/event_queue.h"
#include "windows/menu_args.h"
#include "windows/window_args.h"

namespace tess::testing {
namespace {

class GraphicsArgs : public ValuesTest {
 protected:
  template <class F>
  bool rejects(F f) { return error_of(f) != "no error"; }
};

TEST_F(GraphicsArgs, PointTakesAnOptionalColourDirectlyAfterThePair) {
  let("a=3");
  PointArgs p = parse_point(in, "(a*2,a+1)");
  EXPECT_EQ(p.at, (Point32{6, 4}));
  EXPECT_EQ(p.colour, 7);
  EXPECT_EQ(parse_point(in, "(10,10),2").colour, 2);
  EXPECT_TRUE(rejects([&] { parse_point(in, "(1,2) ,2"); }));
  EXPECT_TRUE(rejects([&] { parse_point(in, "(1,2),2,3"); }));
  EXPECT_TRUE(rejects([&] { parse_point(in, "(1,2,3)"); }));
  EXPECT_TRUE(rejects([&] { parse_point(in, "1,2"); }));
  EXPECT_TRUE(rejects([&] { parse_lone_pair(in, "(1,2),3", "erase point"); }));
}

TEST_F(GraphicsArgs, LineStartsAtTheLastPointAndSteps) {
  Point32 last{1, 1};
  LineArgs l = parse_line(in, "(0,0)-(10,0)", last);
  EXPECT_EQ(l.start, (Point32{0, 0}));
  EXPECT_EQ(l.end, (Point32{10, 0}));
  EXPECT_EQ(l.colour, 7);
  EXPECT_EQ(l.mode, LineMode::Line);
  EXPECT_EQ(l.fill_colour, -1);
  last = l.end;
  LineArgs cont = parse_line(in, "-STEP(5,5),2,bf", last);
  EXPECT_EQ(cont.start, (Point32{10, 0}));
  EXPECT_EQ(cont.end, (Point32{15, 5}));
  EXPECT_EQ(cont.mode, LineMode::FilledBox);
  EXPECT_EQ(cont.fill_colour, 2);  // the line colour when no fill colour is given
  EXPECT_EQ(parse_line(in, "(0,0)-(5,5),,B,4", last).fill_colour, 4);
  EXPECT_EQ(parse_line(in, "(0,0)-(5,5),,B,4", last).colour, 7);
}

TEST_F(GraphicsArgs, LineErrorsKeepAnExplicitStartAsTheLastPoint) {
  Point32 last{};
  EXPECT_TRUE(rejects([&] { parse_line(in, "(3,4)-(5,5),1,x", last); }));
  EXPECT_EQ(last, (Point32{3, 4}));
  EXPECT_TRUE(rejects([&] { parse_line(in, "(1,1)(5,5)", last); }));
  EXPECT_TRUE(rejects([&] { parse_line(in, "x-(5,5)", last); }));
  EXPECT_TRUE(rejects([&] { parse_line(in, "-(5,5),1,b,2,3", last); }));
}

TEST_F(GraphicsArgs, CircleOptionalArgumentsAndTheFillKeyword) {
  CircleArgs c = parse_circle(in, "(100,100),50");
  EXPECT_EQ(c.radius, 50);
  EXPECT_EQ(c.colour, 7);
  EXPECT_EQ(c.aspect, 1);
  c = parse_circle(in, "(100,100),50,2.7,,,0.5,F,4");
  EXPECT_EQ(c.colour, 2);  // rounded down
  EXPECT_EQ(c.aspect, 0.5);
  EXPECT_TRUE(c.fill);
  EXPECT_EQ(c.fill_colour, 4);
  EXPECT_EQ(parse_circle(in, "(1,1),5,3,,,,f").fill_colour, 3);
  EXPECT_EQ(parse_circle(in, "(1,1),5,-1.5").colour, -2);  // floor, then truncation
  EXPECT_TRUE(rejects([&] { parse_circle(in, "(1,1),5,1,0,0,1,G"); }));
  EXPECT_TRUE(rejects([&] { parse_circle(in, "(1,1),5,1,0,0,1,"); }));
  EXPECT_TRUE(rejects([&] { parse_circle(in, "(1,1),5,1,0,0,1,F,2,3"); }));
  EXPECT_TRUE(rejects([&] { parse_circle(in, "(1,1) ,5"); }));
}

TEST_F(GraphicsArgs, PaintBorderDefaultsToMinusOne) {
  PaintArgs p = parse_paint(in, "(5,6),2");
  EXPECT_EQ(p.seed, (Point32{5, 6}));
  EXPECT_EQ(p.border_colour, -1);
  EXPECT_EQ(parse_paint(in, "(5,6),2,7").border_colour, 7);
  EXPECT_TRUE(rejects([&] { parse_paint(in, "(5,6),2,7,1"); }));
}

TEST_F(GraphicsArgs, ImagesAndTheirRasterOperations) {
  GetImageArgs g = parse_get_image(in, "(0,0)-step(9,9),img");
  EXPECT_EQ(g.width(), 10);
  EXPECT_EQ(g.height(), 10);
  EXPECT_EQ(g.variable, "img");
  EXPECT_EQ(parse_get_image(in, "(0,0)-(9,9),img").second, (Point32{9, 9}));
  EXPECT_EQ(parse_put_image(in, "(1,2),5,XOR").raster_operation, 0x00660046u);
  EXPECT_EQ(raster_operation("pset"), 0x00CC0020u);
  EXPECT_TRUE(rejects([&] { parse_put_image(in, "(1,2),5"); }));
  EXPECT_TRUE(rejects([&] { parse_put_image(in, "(1,2),5,nand"); }));
  EXPECT_EQ(parse_load_image(in, "p,\"a.bmp\"").file_name, "a.bmp");
  EXPECT_TRUE(rejects([&] { parse_load_image(in, "p"); }));
}

TEST_F(GraphicsArgs, TextStylesCharacterSetsAndDefaults) {
  TextArgs t = parse_text(in, "1,2,\"hi\"");
  EXPECT_EQ(t.colour, 0xFFFFFFu);
  EXPECT_EQ(t.background, kTransparentRgb);
  EXPECT_FALSE(t.height.has_value());
  t = parse_text(in, "1,2,\"hi\",2,1,-1,0,,allset,shiftjis");
  EXPECT_EQ(t.background, 0xFF0000u);  // on blue
  EXPECT_FALSE(t.height.has_value());
  EXPECT_TRUE(t.face.empty());
  EXPECT_TRUE(t.italic);
  EXPECT_EQ(t.weight, 700);
  EXPECT_EQ(t.char_set, 128);
  EXPECT_EQ(parse_text(in, "1,2,\"a\",7,-1,20,0,\"Courier\",bold,oem").char_set, 255);
  EXPECT_TRUE(rejects([&] { parse_text(in, "1,2,\"a\",7,-1,20,0,,,symbol"); }));
  EXPECT_TRUE(rejects([&] { parse_text(in, "1,2,\"a\",7,-1,20,0,,,"); }));
  EXPECT_TRUE(rejects([&] { parse_text(in, "1,2,\"a\",7,-1,20,0,,heavy"); }));
  EXPECT_TRUE(rejects([&] { parse_text(in, "1,2"); }));
}

TEST_F(GraphicsArgs, CreateWindowDefaultsAndClass) {
  CreateWindowArgs w = parse_create_window(in, "h,0,-1,-1,-1,-1,\"T\",13565952");
  EXPECT_EQ(w.x, kUseDefault);
  EXPECT_EQ(w.height, kUseDefault);
  EXPECT_EQ(w.class_name, "NORMAL");
  EXPECT_EQ(w.id, 0);
  w = parse_create_window(in, "b,h,10,10,80,20,\"OK\",1342177280,\"button\",100+1");
  EXPECT_EQ(w.class_name, "button");
  EXPECT_EQ(w.id, 101);
  EXPECT_TRUE(is_dark_class("Prompt"));
  EXPECT_FALSE(is_dark_class("NORMAL"));
  EXPECT_TRUE(rejects([&] { parse_create_window(in, "h,0,1,1,1,1,\"T\""); }));
}

TEST_F(GraphicsArgs, WaitMoveMessageBoxAndSendMessage) {
  auto vars = parse_wait_event("w , m, wp,lp(1,2)");
  EXPECT_EQ(vars[3], "lp(1,2)");
  EXPECT_TRUE(rejects([&] { parse_wait_event("w,m,wp"); }));
  MoveWindowArgs m = parse_move_window(in, "5,-1,-1,300,200,1");
  EXPECT_EQ(m.edges[0], -1);
  EXPECT_EQ(m.edges[3], 200);
  EXPECT_EQ(m.size_mode, 1);
  MessageBoxArgs box = parse_message_box(in, "0,\"text\"");
  EXPECT_EQ(box.title, "");
  EXPECT_EQ(box.style, 0u);
  EXPECT_TRUE(box.variable.empty());
  EXPECT_EQ(parse_message_box(in, "0,\"t\",\"c\",4,answer").variable, "answer");
  EXPECT_TRUE(rejects([&] { parse_message_box(in, "0"); }));
  SendMessageArgs s = parse_send_message(in, "7,13,100,t$,r");
  EXPECT_EQ(send_kind(s.message), SendKind::TextIn);
  EXPECT_EQ(s.fourth, "t$");
  EXPECT_EQ(s.result_variable, "r");
  EXPECT_TRUE(rejects([&] { parse_send_message(in, "7,13,100"); }));
  EXPECT_EQ(send_kind(0x0180), SendKind::TextOut);
  EXPECT_EQ(send_kind(0x00E3), SendKind::ValuePair);
  EXPECT_EQ(send_kind(0x00C4), SendKind::LineRequest);
  EXPECT_EQ(send_kind(0x0010), SendKind::Numbers);
}

TEST_F(GraphicsArgs, MenusAndScrollBars) {
  InsertMenuArgs sep = parse_insert_menu(in, "1,0,1");
  EXPECT_FALSE(sep.text.has_value());
  InsertMenuArgs item = parse_insert_menu(in, "1,0,1,\"Open\",100");
  EXPECT_EQ(*item.text, "Open");
  EXPECT_EQ(*item.id, 100);
  EXPECT_FALSE(item.state.has_value());
  EXPECT_EQ(*parse_insert_menu(in, "1,0,1,\"x\",1,2,4+8").state, 12);
  EXPECT_TRUE(rejects([&] { parse_insert_menu(in, "1,0"); }));
  EXPECT_TRUE(rejects([&] { parse_three_numbers(in, "1,2", "delete menu item"); }));
  EXPECT_EQ(parse_three_numbers(in, "1, 2, 3", "x")[2], 3);
  ScrollBarArgs s = parse_scroll_bar(in, "5,VERT,0,100,10");
  EXPECT_EQ(s.bar, 1);
  EXPECT_EQ(s.position, 0);
  EXPECT_FALSE(s.disable_when_unneeded);
  EXPECT_TRUE(parse_scroll_bar(in, "5,ctl,0,100,10,3,1").disable_when_unneeded);
  EXPECT_FALSE(parse_scroll_bar(in, "5,horz,0,100,10,3,0").disable_when_unneeded);
  EXPECT_TRUE(rejects([&] { parse_scroll_bar(in, "5,diag,0,100,10"); }));
}

TEST(EventQueue, KeepsThe32MostRecentAndRepeatsTheLastWhenEmpty) {
  EventQueue q;
  EXPECT_EQ(q.take(), WindowEvent{});  // never had an event: zeros
  for (int i = 1; i <= 33; ++i) q.record({1, i, 0, 0});
  EXPECT_EQ(q.size(), 32u);
  EXPECT_EQ(q.take().message, 2);  // the first was lost
  for (int i = 3; i <= 33; ++i) EXPECT_EQ(q.take().message, i);
  EXPECT_TRUE(q.empty());
  EXPECT_EQ(q.take().message, 33);  // the event taken last, again
}

TEST(DisplayStatements, ColourMovePointAndRgbWorkHeadlessOthersNeedADisplay) {
  RunResult colour = run_text(" " + code_bytes(Stmt::kColor) + " 2,-1\n " + code_bytes(Stmt::kPmove) + " (5,6)\n " + code_bytes(Stmt::kPrint) + " " + function_token(Fn::kRgb) + "(255,0,0)\n");
  EXPECT_EQ(colour.status, 0) << colour.err;
  EXPECT_EQ(colour.out, "-255\n");
  RunResult point = run_text(" " + code_bytes(Stmt::kPset) + " (1,1)\n");
  EXPECT_EQ(point.status, 1);
  EXPECT_NE(point.err.find("point: needs a display"), std::string::npos) << point.err;
  RunResult wrong = run_text(" " + code_bytes(Stmt::kColor) + " 1,2,3\n");
  EXPECT_EQ(wrong.status, 1);
}

}  // namespace
}  // namespace tess::testing
