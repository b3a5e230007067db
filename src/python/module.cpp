// The compiled core of the Python package vantrel (vantrel/_vantrel): reports in, one
// Translation (a struct sequence: lines, unread, refused, message, pieces) out for each. The
// package's __init__.py checks the arguments and gives the public functions; this file does the
// work. Many reports are translated in blocks, with the interpreter lock released, by the calling
// thread and by helper threads that each have a Translator of their own; the Python objects are
// made afterwards, with the lock held, in input order.

#include <pybind11/pybind11.h>

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "metar/translate.hpp"

namespace py = pybind11;

namespace vantrel::python {
namespace {

enum class Outcome : std::uint8_t { kRead, kRefused };

struct PieceOut {
  std::string groups;  // as typed, one space between them
  std::size_t at = 0;
  std::size_t line = Translation::Piece::kNoLine;
  std::string text;
  Decoded value;
};

struct Counts {
  Outcome outcome = Outcome::kRead;
  bool forecast = false;  // read by the forecast reader, whose pieces always have values
  std::uint32_t lines = 0;
  std::uint32_t unread = 0;
  std::uint32_t pieces = 0;
};

// A run of reports one thread translates, and what they gave, packed: the lines of all of them
// end to end (each ended by '\n', which no line holds), the unread groups as views into the
// reports, which the caller keeps alive.
struct Block {
  std::vector<std::string_view> reports;
  std::vector<Counts> counts;
  std::string text;
  std::vector<std::string_view> unread;
  std::vector<PieceOut> pieces;
};

constexpr std::size_t kBlockReports = 256;
// Reports translated between two spells with the lock held: bounds the memory of one call.
constexpr std::size_t kSpellReports = 16384;

void translateBlock(Translator& translator, Block& block, Reading reading, Language language,
                    bool explain) {
  block.counts.clear();
  block.text.clear();
  block.unread.clear();
  block.pieces.clear();
  for (const std::string_view report : block.reports) {
    Counts& counts = block.counts.emplace_back();
    const Translation& translation =
        translator.translate(report, reading, explain ? Explain::kYes : Explain::kNo, language);
    if (translation.refused()) {
      counts.outcome = Outcome::kRefused;
      continue;
    }
    counts.forecast = translation.kind() == ReportKind::kForecast;
    block.text += translation.text();
    counts.lines = static_cast<std::uint32_t>(translation.size());
    for (const std::string_view group : translation.unread()) {
      block.unread.push_back(group);
      ++counts.unread;
    }
    if (!explain) continue;
    for (const Translation::Piece& piece : translation.pieces()) {
      PieceOut& out = block.pieces.emplace_back();
      for (const std::string_view group : piece.groups) {
        if (!out.groups.empty()) out.groups += ' ';
        out.groups += group;
      }
      out.at = piece.at;
      out.line = piece.line;
      out.text = piece.text;
      out.value = piece.value;
      ++counts.pieces;
    }
  }
}

Translator& ownTranslator() {
  thread_local Translator translator;
  return translator;
}

// Translates every block, in `jobs` threads counting the caller's. Called without the lock.
void translateBlocks(std::vector<Block>& blocks, std::size_t count, Reading reading,
                     Language language, bool explain, unsigned jobs) {
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  auto work = [&](Translator& translator) {
    try {
      for (std::size_t i = next++; i < count; i = next++) {
        translateBlock(translator, blocks[i], reading, language, explain);
      }
    } catch (...) {
      const std::lock_guard lock(failureMutex);
      if (!failure) failure = std::current_exception();
      next = count;
    }
  };
  std::vector<std::thread> helpers;
  const std::size_t wanted = std::min<std::size_t>(jobs, count);
  helpers.reserve(wanted);
  for (std::size_t i = 1; i < wanted; ++i) {
    try {
      helpers.emplace_back([&work] {
        Translator translator;
        work(translator);
      });
    } catch (...) {
      break;  // fewer threads: the ones there do the work
    }
  }
  work(ownTranslator());
  for (std::thread& helper : helpers) helper.join();
  if (failure) std::rethrow_exception(failure);
}

// Python objects, owned, made with the raw interface where it is faster.
py::object steal(PyObject* object) {
  if (object == nullptr) throw py::error_already_set();
  return py::reinterpret_steal<py::object>(object);
}

py::object str(std::string_view text) {
  return steal(PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "strict"));
}

py::object number(const std::string& written) {
  // As a JSON reader takes it: a fraction is a float, the rest an int.
  if (written.find_first_of(".eE") != std::string::npos) {
    return steal(PyFloat_FromDouble(std::stod(written)));
  }
  return steal(PyLong_FromString(written.c_str(), nullptr, 10));
}

py::object valueDict(const Decoded& decoded) {
  if (decoded.empty()) return py::none();
  py::dict dict;
  dict["kind"] = str(decoded.kind);
  for (const Field& field : decoded.fields) {
    py::object value;
    switch (field.type) {
      case Field::Type::kNull:
        value = py::none();
        break;
      case Field::Type::kNumber:
        value = number(field.value);
        break;
      case Field::Type::kText:
        value = str(field.value);
        break;
      case Field::Type::kBool:
        value = py::bool_(field.value == "true");
        break;
    }
    dict[str(field.name)] = value;
  }
  return dict;
}

// What the module keeps between calls.
struct State {
  PyTypeObject* translation = nullptr;
  py::object notValid;
  py::object kGroups, kAt, kLine, kText, kValue;
};
State& state() {
  static State* s = new State;  // never destroyed: it outlives the interpreter's objects
  return *s;
}

py::object newList(std::size_t size) {
  return steal(PyList_New(static_cast<Py_ssize_t>(size)));
}

// A tuple of strings: it can hold nothing that leads back to it, so the collector of cycles need
// never look at it; untracked at once, a million of them cost a collection nothing.
py::object newStrings(std::size_t size) {
  py::object tuple = steal(PyTuple_New(static_cast<Py_ssize_t>(size)));
  if (PyObject_GC_IsTracked(tuple.ptr())) PyObject_GC_UnTrack(tuple.ptr());
  return tuple;
}

// The Translations of a translated block, appended to `results` from index `at`.
void collect(const Block& block, bool full, bool explain, PyObject* results, std::size_t at) {
  const State& s = state();
  const char* text = block.text.data();
  std::size_t unread = 0, piece = 0;
  for (const Counts& counts : block.counts) {
    py::object result = steal(PyStructSequence_New(s.translation));
    py::object lines = newStrings(counts.lines);
    for (std::uint32_t i = 0; i < counts.lines; ++i) {
      const char* end = static_cast<const char*>(std::memchr(
          text, '\n', static_cast<std::size_t>(block.text.data() + block.text.size() - text)));
      PyTuple_SET_ITEM(lines.ptr(), i,
                       str({text, static_cast<std::size_t>(end - text)}).release().ptr());
      text = end + 1;
    }
    py::object groups = newStrings(counts.unread);
    for (std::uint32_t i = 0; i < counts.unread; ++i) {
      PyTuple_SET_ITEM(groups.ptr(), i, str(block.unread[unread++]).release().ptr());
    }
    py::object pieces = py::none();
    if (explain && counts.outcome == Outcome::kRead) {
      pieces = newList(counts.pieces);
      for (std::uint32_t i = 0; i < counts.pieces; ++i) {
        const PieceOut& p = block.pieces[piece++];
        const bool noLine = p.line == Translation::Piece::kNoLine;
        py::dict dict;
        dict[s.kGroups] = str(p.groups);
        dict[s.kAt] = py::int_(p.at);
        dict[s.kLine] = noLine ? py::object(py::none()) : py::int_(p.line);
        dict[s.kText] = noLine ? py::object(py::none()) : str(p.text);
        if (full || counts.forecast) dict[s.kValue] = valueDict(p.value);
        PyList_SET_ITEM(pieces.ptr(), i, dict.release().ptr());
      }
    } else if (explain) {
      pieces = newList(0);
    }
    const bool refused = counts.outcome != Outcome::kRead;
    const py::object& message = refused ? s.notValid : py::none();
    PyStructSequence_SetItem(result.ptr(), 0, lines.release().ptr());
    PyStructSequence_SetItem(result.ptr(), 1, groups.release().ptr());
    PyStructSequence_SetItem(result.ptr(), 2, py::bool_(refused).release().ptr());
    PyStructSequence_SetItem(result.ptr(), 3, py::object(message).release().ptr());
    PyStructSequence_SetItem(result.ptr(), 4, pieces.release().ptr());
    // Strings, tuples of strings, True or False, None: untracked as they are.
    if (!explain) PyObject_GC_UnTrack(result.ptr());
    PyList_SET_ITEM(results, static_cast<Py_ssize_t>(at++), result.release().ptr());
  }
}

// The report as UTF-8, without one line end at its end. Valid while `object` lives.
std::string_view reportOf(PyObject* object, std::size_t index) {
  if (!PyUnicode_Check(object)) {
    throw py::type_error("report " + std::to_string(index) + " is a " + Py_TYPE(object)->tp_name +
                         ", not a str");
  }
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(object, &size);
  if (data == nullptr) throw py::error_already_set();  // a lone surrogate: UnicodeEncodeError
  std::string_view report(data, static_cast<std::size_t>(size));
  if (report.ends_with('\n')) report.remove_suffix(1);
  if (report.ends_with('\r')) report.remove_suffix(1);
  return report;
}

// reports: a list of str that no one else holds (the reports are read without the lock, so no
// other thread may drop one meanwhile); first: the index of its first report in the caller's
// input, for messages.
py::list translateMany(const py::list& reports, bool full, bool french, bool explain, unsigned jobs,
                       std::size_t first) {
  const std::size_t size = reports.size();
  const Reading reading = full ? Reading::kFull : Reading::kClassic;
  const Language language = french ? Language::kFrench : Language::kEnglish;
  py::object results = newList(size);
  std::vector<Block> blocks;
  for (std::size_t spell = 0; spell < size; spell += kSpellReports) {
    const std::size_t end = std::min(size, spell + kSpellReports);
    const std::size_t count = (end - spell + kBlockReports - 1) / kBlockReports;
    if (blocks.size() < count) blocks.resize(count);
    for (std::size_t b = 0; b < count; ++b) {
      Block& block = blocks[b];
      block.reports.clear();
      const std::size_t from = spell + b * kBlockReports;
      for (std::size_t i = from; i < std::min(end, from + kBlockReports); ++i) {
        block.reports.push_back(reportOf(PyList_GET_ITEM(reports.ptr(), i), first + i));
      }
    }
    {
      const py::gil_scoped_release unlocked;
      translateBlocks(blocks, count, reading, language, explain, jobs);
    }
    for (std::size_t b = 0; b < count; ++b) {
      collect(blocks[b], full, explain, results.ptr(), spell + b * kBlockReports);
    }
    // Ctrl-C stops a long call between two spells.
    if (PyErr_CheckSignals() != 0) throw py::error_already_set();
  }
  return py::reinterpret_steal<py::list>(results.release());
}

py::object translateOne(const py::object& report, bool full, bool french, bool explain) {
  Block block;
  block.reports.push_back(reportOf(report.ptr(), 0));
  const Reading reading = full ? Reading::kFull : Reading::kClassic;
  const Language language = french ? Language::kFrench : Language::kEnglish;
  // A long report is translated with the lock released, so that other threads go on meanwhile.
  if (block.reports.front().size() >= (std::size_t{1} << 16)) {
    const py::gil_scoped_release unlocked;
    translateBlock(ownTranslator(), block, reading, language, explain);
  } else {
    translateBlock(ownTranslator(), block, reading, language, explain);
  }
  py::object results = newList(1);
  collect(block, full, explain, results.ptr(), 0);
  return py::reinterpret_borrow<py::object>(PyList_GET_ITEM(results.ptr(), 0));
}

PyStructSequence_Field kFields[] = {
    {"lines", "a tuple of the lines, in order (an empty line is a line)"},
    {"unread", "a tuple of the groups, as typed and in report order, that gave no text"},
    {"refused", "True when the report was not read at all (see message)"},
    {"message", "why it was refused, or None"},
    {"pieces", "with explain, a list of dicts: each sentence and its groups; otherwise None"},
    {nullptr, nullptr}};

PyStructSequence_Desc kDesc = {
    "vantrel.Translation",
    "The translation of one report: lines, unread, refused, message, pieces.\n\n"
    "A refused report has no lines and no unread groups, refused True and a message:\n"
    "\"It is not a valid METAR.\" A forecast (TAF) is read by the forecast reader.",
    kFields, 5};

}  // namespace
}  // namespace vantrel::python

PYBIND11_MODULE(_vantrel, m) {
  using namespace vantrel::python;
  m.doc() = "The compiled core of vantrel; use the functions of the package vantrel.";
  State& s = state();
  s.translation = PyStructSequence_NewType(&kDesc);
  if (s.translation == nullptr) throw py::error_already_set();
  m.add_object("Translation",
               py::reinterpret_borrow<py::object>(reinterpret_cast<PyObject*>(s.translation)));
  s.notValid = str(vantrel::kNotValidMetar);
  s.kGroups = str("groups");
  s.kAt = str("at");
  s.kLine = str("line");
  s.kText = str("text");
  s.kValue = str("value");
  m.attr("NOT_VALID_METAR") = s.notValid;
  m.attr("__version__") = VANTREL_VERSION;
  m.def("translate_one", &translateOne, py::arg("report"), py::arg("full"), py::arg("french"),
        py::arg("explain"));
  m.def("translate_many", &translateMany, py::arg("reports"), py::arg("full"), py::arg("french"),
        py::arg("explain"), py::arg("jobs"), py::arg("first"));
}
