// libFuzzer target: the statement caches and compiled expressions against the
// text path. An input whose first byte is even is a numeric expression text:
// its compiled form must give the text's value (or hand it back). An odd first
// byte makes the rest drive a small program generator (assignments, arrays,
// counted loops, conditionals, calls, forward jumps, prints, empty statements);
// the program runs with the caches on and off and must print the same bytes,
// end the same way and report the same diagnostic.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/compiled_expression.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/expansion.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "tests/fuzz/quiet_interpreter.h"
#include "tools/tokenizer/tokenizer.h"

namespace {

using namespace tess;

// --- the expression half -------------------------------------------------------

struct ExpressionHarness : fuzz::QuietInterpreter {

  void prepare(double x) {
    in.variables().numbers.clear();
    in.variables().letters.clear();
    VariableStore& v = in.variables();
    v.numbers.scalar_for_write("x") = x;
    v.numbers.scalar_for_write("y") = -2.5;
    v.numbers.scalar_for_write("I") = 7;
    const int32_t one[] = {1}, two[] = {2};
    v.numbers.element_for_write("a", one) = x;
    v.numbers.element_for_write("a", two) = -x;
    in.variables().strings.clear();
    in.variables().strings.scalar_for_write("s$") = "AB\x01" "DC\x82\xa0z";
    in.variables().strings.scalar_for_write("t$") = "xyz";
  }
};

bool same(double a, double b) { return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b)); }

void check_expression(std::string_view text) {
  static ExpressionHarness h;
  static const double kValues[] = {3, -3, 0.1, -1e15, 123456789012345.6, 2147483648.0, -0.0};
  auto compiled = CompiledNumber::compile(text);
  if (!compiled) return;
  for (double x : kValues) {
    h.prepare(x);
    double text_value = 0;
    bool text_fails = false;
    try {
      text_value = eval_number(h.in, expand_calls(h.in, text));  // as the dispatcher hands it over
    } catch (const ProgramError&) {
      text_fails = true;
    }
    h.in.eval_depth() = 0;
    try {
      const double v = compiled->evaluate(h.in);
      if (text_fails || !same(v, text_value)) {
        std::fprintf(stderr, "compiled %.17g, text %s%.17g for [%.*s] with x = %g\n", v, text_fails ? "fails " : "",
                     text_value, static_cast<int>(text.size()), text.data(), x);
        __builtin_trap();
      }
    } catch (const NotExact&) {
    } catch (const ProgramError&) {
    }
  }
}

// --- the program half ----------------------------------------------------------

// Reads choices from the input; zeros once it runs out.
class Choices {
 public:
  Choices(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  unsigned pick(unsigned n) { return n == 0 ? 0 : (at_ < size_ ? data_[at_++] : 0) % n; }
  bool more() const { return at_ < size_; }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Mostly small numbers, so that most programs run to their end; the rest test
// the value text's 14 digits, the integer view's wrap and overflow.
const char* const kNumbers[] = {"0", "1", "2", "3", "7", "1", "2", "5", "0.1", "0.5", "10", "3", "1E+15", "2147483648",
                                "1E+300", "123456789.125", "3.14159265358979", "1E-5", "4294967296", "0.3"};
const char* const kScalars[] = {"A", "B", "X", "Y", "A%", "Z!", "W#"};  // never a loop variable
const char* const kOperators[] = {" + ", " - ", " * ", " / ", " \\ ", " ^ ", " MOD ", " AND ", " OR "};
const char* const kRelations[] = {" = ", " <> ", " < ", " > ", " <= ", " >= "};

std::string expression(Choices& c, int depth);

std::string operand(Choices& c, int depth) {
  switch (depth > 2 ? c.pick(3) : c.pick(9)) {
    case 0: return kNumbers[c.pick(std::size(kNumbers))];
    case 1: return kScalars[c.pick(std::size(kScalars))];
    case 2: return c.pick(2) ? "I" : "J";
    case 3: return "(" + expression(c, depth + 1) + ")";
    case 4: return "-" + operand(c, depth + 1);
    case 5: return "D(" + expression(c, depth + 1) + ")";
    case 6: return std::string(c.pick(2) ? "ABS(" : "INT(") + expression(c, depth + 1) + ")";
    case 7:
      switch (c.pick(4)) {
        case 0: return "LEN(S$)";
        case 1: return "ASC(S$)";
        case 2: return "ASC(MID$(S$, " + expression(c, depth + 1) + ", " + expression(c, depth + 1) + "))";
        default: return "LEN(MID$(S$, " + expression(c, depth + 1) + "))";
      }
    default: return "D(" + std::to_string(c.pick(12)) + ")";
  }
}

std::string expression(Choices& c, int depth) {
  std::string e = operand(c, depth);
  for (unsigned n = c.pick(3); n > 0; --n) e += kOperators[c.pick(std::size(kOperators))] + operand(c, depth);
  return e;
}

std::string condition(Choices& c) {
  std::string e = expression(c, 1);
  if (c.pick(4)) e += kRelations[c.pick(std::size(kRelations))] + expression(c, 1);
  return e;
}

std::string target(Choices& c) {
  return c.pick(3) ? kScalars[c.pick(std::size(kScalars))] : "D(" + expression(c, 2) + ")";
}

// One simple statement (no jumps, no loops): what the plans and the text cover.
std::string simple(Choices& c) {
  switch (c.pick(6)) {
    case 0:
    case 1: return target(c) + " = " + expression(c, 0);
    case 2: return "PRINT " + expression(c, 0);
    case 3: return "PRINT " + expression(c, 0) + "; " + target(c);
    case 4: return "S$ = S$ + CHR$(" + (c.pick(2) ? "65 + " + expression(c, 2) + " MOD 26" : expression(c, 2)) + ")";
    default: return "LET " + target(c) + " = " + expression(c, 0);
  }
}

// A program whose every loop has constant bounds and a loop variable nothing
// else assigns, whose jumps go forward and whose calls go to subroutines that
// call nothing: it always ends.
std::string program(Choices& c) {
  std::string p = "DIM D(12)\nS$ = \"\"\n";
  int line = 100;
  const unsigned statements = 2 + c.pick(14);
  int open_loops = 0;
  for (unsigned k = 0; k < statements && c.more(); ++k, line += 10) {
    p += std::to_string(line) + " ";
    switch (c.pick(10)) {
      case 0:
        if (open_loops < 2) {
          const char* var = open_loops == 0 ? "I" : "J";
          // The limit is read at every step: one made of calls may change while the loop runs.
          p += std::string("FOR ") + var + " = " + std::to_string(c.pick(4)) + " TO " +
               (c.pick(3) ? std::to_string(c.pick(6)) : "LEN(S$) MOD 5 + ASC(MID$(S$,1,1)) MOD 2");
          if (c.pick(3) == 0) p += c.pick(2) ? " STEP 2" : " STEP -1";
          ++open_loops;
          break;
        }
        [[fallthrough]];
      case 1:
        if (open_loops > 0) {
          p += std::string("NEXT ") + (open_loops == 2 ? "J" : "I");
          --open_loops;
          break;
        }
        p += simple(c);
        break;
      case 2: p += "IF " + condition(c) + " THEN " + simple(c) + (c.pick(2) ? " ELSE " + simple(c) : ""); break;
      case 3: p += "GOSUB " + std::to_string(9000 + 100 * c.pick(2)); break;
      case 4: p += "IF " + condition(c) + " THEN GOTO " + std::to_string(line + 10 * (1 + c.pick(3))); break;
      case 5: p += simple(c) + " : " + simple(c); break;
      // Empty statements and blanks between separators; a call from a one-line
      // part returns into skip mode, where the else still counts.
      case 6: p += simple(c) + (c.pick(2) ? " ::  " : ":\t") + simple(c); break;
      case 7:
        p += "IF " + condition(c) + " THEN GOSUB " + std::to_string(9000 + 100 * c.pick(2)) + " : " + simple(c) +
             " ELSE " + simple(c);
        break;
      default: p += simple(c);
    }
    p += "\n";
  }
  for (; open_loops > 0; --open_loops, line += 10) p += std::to_string(line) + (open_loops == 2 ? " NEXT J\n" : " NEXT I\n");
  // Forward jumps may name lines up to three past the last one.
  for (int k = 0; k < 3; ++k, line += 10) p += std::to_string(line) + " PRINT \"-\"\n";
  p += std::to_string(line) + " PRINT LEN(S$)\n" + std::to_string(line + 10) + " END\n";
  p += "9000 " + simple(c) + "\n9010 RETURN\n9100 IF " + condition(c) + " THEN " + simple(c) + "\n9110 RETURN\n";
  return p;
}

struct Outcome {
  std::string out, err;
  bool error = false;
};

std::string read_stream(std::FILE* f, const char* const& data, const std::size_t& size) {
  std::fflush(f);
  return std::string(data, size);
}

Outcome run(const std::vector<uint8_t>& text, bool caches) {
  char *out_data = nullptr, *err_data = nullptr;
  std::size_t out_size = 0, err_size = 0;
  std::FILE* out = open_memstream(&out_data, &out_size);
  std::FILE* err = open_memstream(&err_data, &err_size);
  Outcome o;
  {
    HeadlessHost::Options options;
    options.out = out;
    options.err = err;
    options.typed = nullptr;
    HeadlessHost host(options);
    Session session;
    Interpreter in(host, ProgramText(text), session_link(session, headless_handlers()));
    in.set_caches(caches);
    host.attach(in);
    in.reset();
    std::thread main_thread([&] {
      in.begin_main_thread();
      in.run_thread(0);
    });
    host.wait_for_end();
    in.request_stop();
    in.wait_for_threads(5000);
    main_thread.join();
    o.error = host.had_error();
  }
  o.out = read_stream(out, out_data, out_size);
  o.err = read_stream(err, err_data, err_size);
  std::fclose(out);
  std::fclose(err);
  std::free(out_data);
  std::free(err_data);
  return o;
}

void check_program(const uint8_t* data, std::size_t size) {
  Choices c(data, size);
  const std::string source = program(c);
  std::vector<uint8_t> text;
  try {
    text = tok::tokenize(source, tok::Encoding::kShiftJis);
  } catch (const tok::SourceError&) {
    return;  // the generator wrote something the tokeniser refuses: nothing to compare
  }
  const Outcome on = run(text, true);
  const Outcome off = run(text, false);
  if (std::getenv("CACHE_FUZZ_SHOW"))  // for looking at what the generator makes
    std::fprintf(stderr, "%s--- %s\n%s%s\n", source.c_str(), on.error ? "error" : "ended", on.out.c_str(), on.err.c_str());
  if (on.out != off.out || on.err != off.err || on.error != off.error) {
    std::fprintf(stderr, "caches on and off differ for:\n%s\n--- on (%s):\n%s%s\n--- off (%s):\n%s%s\n", source.c_str(),
                 on.error ? "error" : "ended", on.out.c_str(), on.err.c_str(), off.error ? "error" : "ended",
                 off.out.c_str(), off.err.c_str());
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) check_expression(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  else check_program(data + 1, size - 1);
  return 0;
}
