#include "image/xml_check.h"

#include "image/project_xml.h"

#include "common/text_encoding.h"
#include "common/text_rules.h"

#include <cstdint>
#include <vector>

namespace zentar {

namespace {

// ---------------------------------------------------------------- encodings

// UTF-16 in place, from `start` (after its byte-order mark, if any).
bool Utf16_In_Place(std::string& data, size_t start, bool big_endian, std::string& reason) {
  std::string out;
  if (!Utf16_To_Utf8(std::string_view(data).substr(start), big_endian, true, out, reason))
    return false;
  data.swap(out);
  return true;
}

// The value of encoding="..." in a declaration at the very start, or "".
std::string Declared_Encoding(std::string_view data) {
  if (data.substr(0, 5) != "<?xml") return "";
  const size_t end = data.find("?>");
  if (end == std::string_view::npos) return "";
  const std::string_view decl = data.substr(0, end);
  const size_t key = decl.find("encoding");
  if (key == std::string_view::npos) return "";
  size_t i = key + 8;
  while (i < decl.size() &&
         (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n'))
    ++i;
  if (i >= decl.size() || decl[i] != '=') return "";
  ++i;
  while (i < decl.size() &&
         (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n'))
    ++i;
  if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return "";
  const char quote = decl[i];
  const size_t close = decl.find(quote, i + 1);
  if (close == std::string_view::npos) return "";
  return std::string(decl.substr(i + 1, close - i - 1));
}

// ---------------------------------------------------------------- characters

bool Is_Char(uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool Is_Blank(uint32_t c) { return c == 0x20 || c == 0x9 || c == 0xD || c == 0xA; }

// Name characters without the colon (NCName), which namespaces reserve.
bool Is_Name_Start(uint32_t c) {
  return (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6) ||
         (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) ||
         (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool Is_Name_Char(uint32_t c) {
  return Is_Name_Start(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

// ---------------------------------------------------------------- parser

} // namespace

// Checks the document and records its nodes in one pass; values are decoded
// in place only once the whole document has proved well-formed, so that a
// reported line and column always refer to the file as it is.
class TXml_Parser {
public:
  TXml_Parser(std::string_view s, TXml_Document* doc) : s_(s), doc_(doc) {}

  bool Run(std::string& reason) {
    if (doc_ != nullptr) {
      doc_->nodes_.clear();
      doc_->attrs_.clear();
      // Every node but a text starts with '<', a text ends at one, and
      // every attribute has its '=': room for all of them at once, so that
      // the lists are never copied while they grow.
      size_t tags = 0, equals = 0;
      for (const char c : s_) {
        tags += c == '<';
        equals += c == '=';
      }
      doc_->nodes_.reserve(2 * tags + 2);
      doc_->attrs_.reserve(equals);
      doc_->nodes_.push_back({}); // the document node
    }
    const bool ok = Document();
    if (!ok) {
      reason = Where(fail_at_) + ": " + what_;
      if (doc_ != nullptr) {
        doc_->nodes_.clear();
        doc_->attrs_.clear();
      }
      return false;
    }
    if (doc_ != nullptr) Decode_Values();
    return true;
  }

private:
  using TKind = TXml_Document::TKind;
  enum TDecode : uint8_t { Attr_Value, Char_Data, Cdata };
  struct TPending {
    uint32_t index; // of the attribute or text node
    TDecode how;
  };
  struct TOpen {
    std::string_view name;
    size_t scope_size; // namespace declarations in force before this element
    int32_t node;
  };

  std::string_view s_;
  TXml_Document* doc_;
  size_t p_ = 0;
  size_t fail_at_ = 0;
  std::string what_;
  std::vector<TOpen> open_;
  std::vector<std::string_view> prefixes_; // declared prefixes, innermost last
  std::vector<TPending> pending_;
  bool seen_doctype_ = false;

  bool Fail(const std::string& what, size_t at) {
    if (what_.empty()) {
      what_ = what;
      fail_at_ = at;
    }
    return false;
  }
  bool Fail(const std::string& what) { return Fail(what, p_); }

  std::string Where(size_t at) const {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < at && i < s_.size(); ++i) {
      const auto b = static_cast<unsigned char>(s_[i]);
      if (b == '\n') {
        ++line;
        column = 1;
      } else if ((b & 0xC0) != 0x80) {
        ++column;
      }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
  }

  // ---- the document being built

  int32_t Add_Node(TKind kind, int32_t parent) {
    if (doc_ == nullptr) return -1;
    auto& nodes = doc_->nodes_;
    const auto index = static_cast<int32_t>(nodes.size());
    nodes.push_back({});
    nodes.back().kind = kind;
    TXml_Document::TNode& up = nodes[static_cast<size_t>(parent)];
    if (up.last_child >= 0)
      nodes[static_cast<size_t>(up.last_child)].next = index;
    else
      up.first_child = index;
    up.last_child = index;
    return index;
  }

  int32_t Current_Parent() const { return open_.empty() ? 0 : open_.back().node; }

  void Add_Text(size_t from, size_t to, TDecode how, bool decode) {
    if (doc_ == nullptr || to == from) return;
    const int32_t n = Add_Node(TKind::Text, Current_Parent());
    TXml_Document::TNode& node = doc_->nodes_[static_cast<size_t>(n)];
    node.text_at = static_cast<uint32_t>(from);
    node.text_size = static_cast<uint32_t>(to - from);
    if (decode) pending_.push_back({static_cast<uint32_t>(n), how});
  }

  void Decode_Values() {
    char* const base = doc_->text_.data();
    for (const TPending& d : pending_) {
      uint32_t* at = nullptr;
      uint32_t* size = nullptr;
      if (d.how == Attr_Value) {
        TXml_Document::TAttr& a = doc_->attrs_[d.index];
        at = &a.value_at;
        size = &a.value_size;
      } else {
        TXml_Document::TNode& n = doc_->nodes_[d.index];
        at = &n.text_at;
        size = &n.text_size;
      }
      *size = static_cast<uint32_t>(Decode(base + *at, *size, d.how));
    }
  }

  // Line ends to "\n", in attribute values every blank character to " ",
  // references to their characters. The result is never longer.
  static size_t Decode(char* p, size_t n, TDecode how) {
    size_t w = 0;
    for (size_t r = 0; r < n;) {
      const char c = p[r];
      if (c == '\r') {
        p[w++] = how == Attr_Value ? ' ' : '\n';
        r += (r + 1 < n && p[r + 1] == '\n') ? 2 : 1;
      } else if (how == Attr_Value && (c == '\n' || c == '\t')) {
        p[w++] = ' ';
        ++r;
      } else if (how != Cdata && c == '&') {
        size_t e = r + 1;
        while (p[e] != ';')
          ++e;
        const std::string_view ref(p + r + 1, e - r - 1);
        r = e + 1;
        if (ref[0] == '#') {
          uint32_t cp = 0;
          if (ref.size() > 1 && ref[1] == 'x') {
            for (size_t i = 2; i < ref.size(); ++i) {
              const char h = ref[i];
              cp = cp * 16 + static_cast<uint32_t>(h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
            }
          } else {
            for (size_t i = 1; i < ref.size(); ++i)
              cp = cp * 10 + static_cast<uint32_t>(ref[i] - '0');
          }
          std::string bytes;
          Append_Utf8(bytes, cp);
          for (const char b : bytes)
            p[w++] = b;
        } else {
          p[w++] = ref == "lt"     ? '<'
                   : ref == "gt"   ? '>'
                   : ref == "amp"  ? '&'
                   : ref == "apos" ? '\''
                                   : '"';
        }
      } else {
        p[w++] = c;
        ++r;
      }
    }
    return w;
  }

  // ---- lexical level

  bool At_End() const { return p_ >= s_.size(); }
  bool Starts(std::string_view t) const { return s_.compare(p_, t.size(), t) == 0; }
  unsigned char Byte() const { return static_cast<unsigned char>(s_[p_]); }

  // Decodes the code point at p_ into cp and its byte count into n; false for
  // a byte sequence that is not UTF-8 or a character XML does not allow.
  bool Peek(uint32_t& cp, size_t& n) {
    const auto b0 = Byte();
    if (b0 < 0x80) {
      cp = b0;
      n = 1;
    } else {
      size_t len = 0;
      uint32_t min = 0;
      if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
      } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
      } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
      } else {
        return Fail("a byte that is not UTF-8");
      }
      if (p_ + len > s_.size()) return Fail("a byte that is not UTF-8");
      for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s_[p_ + k]);
        if ((b & 0xC0) != 0x80) return Fail("a byte that is not UTF-8");
        cp = (cp << 6) | (b & 0x3F);
      }
      if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return Fail("a byte that is not UTF-8");
      n = len;
    }
    if (!Is_Char(cp)) return Fail("a character that XML does not allow");
    return true;
  }

  // One character of any kind that XML allows.
  bool Skip_Char() {
    uint32_t cp = 0;
    size_t n = 0;
    if (!Peek(cp, n)) return false;
    p_ += n;
    return true;
  }

  void Skip_Blanks() {
    while (!At_End() && Is_Blank(Byte()))
      ++p_;
  }

  bool Require_Blanks() {
    if (At_End() || !Is_Blank(Byte())) return Fail("blank expected");
    Skip_Blanks();
    return true;
  }

  static bool Ascii_Name_Char(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
  }

  // NCName; `out` receives it.
  bool Nc_Name(std::string_view& out) {
    const size_t start = p_;
    uint32_t cp = 0;
    size_t n = 0;
    if (At_End()) return Fail("name expected");
    if (!Peek(cp, n)) return false;
    if (!Is_Name_Start(cp)) return Fail("name expected");
    p_ += n;
    while (!At_End()) {
      if (Ascii_Name_Char(Byte())) {
        ++p_;
        continue;
      }
      if (Byte() < 0x80) break;
      if (!Peek(cp, n)) return false;
      if (!Is_Name_Char(cp)) break;
      p_ += n;
    }
    out = s_.substr(start, p_ - start);
    return true;
  }

  // Qualified name: NCName, optionally prefix ":" NCName.
  bool Q_Name(std::string_view& out) {
    const size_t start = p_;
    std::string_view part;
    if (!Nc_Name(part)) return false;
    if (!At_End() && s_[p_] == ':') {
      ++p_;
      if (!Nc_Name(part)) return false;
      if (!At_End() && s_[p_] == ':') return Fail("a name with more than one colon");
    }
    out = s_.substr(start, p_ - start);
    return true;
  }

  // Characters up to `stop`, which is consumed; every character must be legal.
  bool Chars_Until(std::string_view stop, const char* what) {
    while (!Starts(stop)) {
      if (At_End()) return Fail(std::string("unterminated ") + what);
      if (!Skip_Char()) return false;
    }
    p_ += stop.size();
    return true;
  }

  bool Reference() {
    const size_t start = p_;
    ++p_; // '&'
    if (!At_End() && s_[p_] == '#') {
      ++p_;
      const bool hex = !At_End() && s_[p_] == 'x';
      if (hex) ++p_;
      uint64_t value = 0;
      size_t digits = 0;
      while (!At_End() && s_[p_] != ';') {
        const char c = s_[p_];
        int d = -1;
        if (c >= '0' && c <= '9')
          d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
          d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
          d = c - 'A' + 10;
        if (d < 0) return Fail("malformed character reference", start);
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (value > 0x10FFFF) value = 0x110000;
        ++digits;
        ++p_;
      }
      if (At_End() || digits == 0) return Fail("malformed character reference", start);
      ++p_;
      if (!Is_Char(static_cast<uint32_t>(value)))
        return Fail("character reference to a character that XML does not allow", start);
      return true;
    }
    std::string_view name;
    if (!Nc_Name(name) || At_End() || s_[p_] != ';') {
      what_.clear();
      return Fail("'&' that does not start a reference", start);
    }
    ++p_;
    if (name != "lt" && name != "gt" && name != "amp" && name != "apos" && name != "quot")
      return Fail("reference to the undefined entity '" + std::string(name) + "'", start);
    return true;
  }

  // ---- markup

  bool Comment(bool top_level) {
    p_ += 4; // "<!--"
    for (;;) {
      if (At_End()) return Fail("unterminated comment");
      if (Starts("--")) {
        if (s_.compare(p_ + 2, 1, ">") != 0) return Fail("'--' inside a comment");
        p_ += 3;
        if (top_level) Add_Node(TKind::Comment, 0);
        return true;
      }
      if (!Skip_Char()) return false;
    }
  }

  bool Processing_Instruction(bool top_level) {
    const size_t start = p_;
    p_ += 2; // "<?"
    std::string_view target;
    if (!Nc_Name(target)) return false;
    if (Upper_Case(target) == "XML") return Fail("XML declaration not at the start", start);
    if (top_level) Add_Node(TKind::Instruction, 0);
    if (Starts("?>")) {
      p_ += 2;
      return true;
    }
    if (!Require_Blanks()) return false;
    return Chars_Until("?>", "processing instruction");
  }

  bool Quoted(std::string_view& value) {
    if (At_End() || (s_[p_] != '"' && s_[p_] != '\'')) return Fail("quoted value expected");
    const char quote = s_[p_++];
    const size_t start = p_;
    while (!At_End() && s_[p_] != quote)
      if (!Skip_Char()) return false;
    if (At_End()) return Fail("unterminated quoted value");
    value = s_.substr(start, p_ - start);
    ++p_;
    return true;
  }

  bool Eq() {
    Skip_Blanks();
    if (At_End() || s_[p_] != '=') return Fail("'=' expected");
    ++p_;
    Skip_Blanks();
    return true;
  }

  bool Xml_Declaration() {
    p_ += 5; // "<?xml"
    if (!Require_Blanks()) return false;
    if (!Starts("version")) return Fail("version expected in the XML declaration");
    p_ += 7;
    std::string_view value;
    if (!Eq() || !Quoted(value)) return false;
    bool digits = value.size() > 2;
    for (size_t i = 2; i < value.size(); ++i)
      digits = digits && value[i] >= '0' && value[i] <= '9';
    if (value.substr(0, 2) != "1." || !digits) return Fail("unknown XML version");
    bool had_blank = !At_End() && Is_Blank(Byte());
    Skip_Blanks();
    if (had_blank && Starts("encoding")) {
      p_ += 8;
      if (!Eq() || !Quoted(value)) return false;
      bool ok = !value.empty() &&
                ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z'));
      for (const char c : value)
        ok = ok && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '_' || c == '-');
      if (!ok) return Fail("malformed encoding name");
      had_blank = !At_End() && Is_Blank(Byte());
      Skip_Blanks();
    }
    if (had_blank && Starts("standalone")) {
      p_ += 10;
      if (!Eq() || !Quoted(value)) return false;
      if (value != "yes" && value != "no") return Fail("standalone must be yes or no");
      Skip_Blanks();
    }
    if (!Starts("?>")) return Fail("malformed XML declaration");
    p_ += 2;
    Add_Node(TKind::Declaration, 0);
    return true;
  }

  bool Doctype() {
    if (seen_doctype_) return Fail("a second document type declaration");
    seen_doctype_ = true;
    p_ += 9; // "<!DOCTYPE"
    if (!Require_Blanks()) return false;
    std::string_view name;
    if (!Q_Name(name)) return false;
    Skip_Blanks();
    std::string_view literal;
    if (Starts("SYSTEM")) {
      p_ += 6;
      if (!Require_Blanks() || !Quoted(literal)) return false;
    } else if (Starts("PUBLIC")) {
      p_ += 6;
      if (!Require_Blanks() || !Quoted(literal) || !Require_Blanks() || !Quoted(literal))
        return false;
    }
    Skip_Blanks();
    if (!At_End() && s_[p_] == '[') {
      // Internal subset: skipped over whole (declarations, comments, quoted
      // literals); the entities it may declare are not expanded by this
      // reader, so a reference to one is refused where it is used.
      ++p_;
      for (;;) {
        if (At_End()) return Fail("unterminated document type declaration");
        if (s_[p_] == ']') break;
        if (Starts("<!--")) {
          if (!Comment(false)) return false;
        } else if (s_[p_] == '"' || s_[p_] == '\'') {
          if (!Quoted(literal)) return false;
        } else if (!Skip_Char()) {
          return false;
        }
      }
      ++p_;
      Skip_Blanks();
    }
    if (At_End() || s_[p_] != '>') return Fail("malformed document type declaration");
    ++p_;
    Add_Node(TKind::Doctype, 0);
    return true;
  }

  bool Prefix_Bound(std::string_view qname, bool attribute) {
    const size_t colon = qname.find(':');
    if (colon == std::string_view::npos) return true;
    const std::string_view prefix = qname.substr(0, colon);
    if (prefix == "xml") return true;
    if (prefix == "xmlns") return attribute; // an element cannot use the xmlns prefix
    for (auto it = prefixes_.rbegin(); it != prefixes_.rend(); ++it)
      if (*it == prefix) return true;
    return false;
  }

  // Start tag after '<'; pushes the element unless it is empty ("/>").
  bool Start_Tag() {
    const size_t tag_at = p_ - 1;
    std::string_view name;
    if (!Q_Name(name)) return false;
    const int32_t node = Add_Node(TKind::Element, Current_Parent());
    const size_t scope = prefixes_.size();
    const size_t attr_first = doc_ != nullptr ? doc_->attrs_.size() : 0;
    size_t attr_count = 0;
    std::vector<std::pair<std::string_view, size_t>>& attributes = attributes_;
    attributes.clear();
    for (;;) {
      const bool blank = !At_End() && Is_Blank(Byte());
      Skip_Blanks();
      if (At_End()) return Fail("unterminated start tag", tag_at);
      if (s_[p_] == '>' || Starts("/>")) break;
      if (!blank) return Fail("blank expected between attributes");
      const size_t attr_at = p_;
      std::string_view attr;
      if (!Q_Name(attr)) return false;
      for (const auto& a : attributes)
        if (a.first == attr)
          return Fail("attribute '" + std::string(attr) + "' given twice", attr_at);
      attributes.push_back({attr, attr_at});
      if (!Eq()) return false;
      if (At_End() || (s_[p_] != '"' && s_[p_] != '\'')) return Fail("quoted value expected");
      const char quote = s_[p_++];
      const size_t value_at = p_;
      bool decode = false;
      for (;;) {
        if (At_End()) return Fail("unterminated attribute value", attr_at);
        const unsigned char c = Byte();
        if (c == static_cast<unsigned char>(quote)) break;
        if (c >= 0x20 && c < 0x80 && c != '<' && c != '&') {
          ++p_;
          continue;
        }
        if (c == '<') return Fail("'<' in an attribute value");
        if (c == '&') {
          if (!Reference()) return false;
          decode = true;
          continue;
        }
        if (c == '\t' || c == '\n' || c == '\r') decode = true;
        if (!Skip_Char()) return false;
      }
      if (doc_ != nullptr) {
        if (decode) pending_.push_back({static_cast<uint32_t>(doc_->attrs_.size()), Attr_Value});
        doc_->attrs_.push_back({static_cast<uint32_t>(attr_at), static_cast<uint32_t>(attr.size()),
                                static_cast<uint32_t>(value_at),
                                static_cast<uint32_t>(p_ - value_at)});
      }
      ++attr_count;
      ++p_;
      if (attr.substr(0, 6) == "xmlns:") prefixes_.push_back(attr.substr(6));
    }
    if (!Prefix_Bound(name, false))
      return Fail("undeclared namespace prefix in '" + std::string(name) + "'", tag_at);
    for (const auto& a : attributes)
      if (!Prefix_Bound(a.first, true))
        return Fail("undeclared namespace prefix in '" + std::string(a.first) + "'", a.second);
    if (doc_ != nullptr) {
      TXml_Document::TNode& n = doc_->nodes_[static_cast<size_t>(node)];
      n.name_at = static_cast<uint32_t>(tag_at + 1);
      n.name_size = static_cast<uint32_t>(name.size());
      n.attr_first = static_cast<uint32_t>(attr_first);
      n.attr_count = static_cast<uint32_t>(attr_count);
    }
    if (s_[p_] == '/') {
      p_ += 2;
      prefixes_.resize(scope);
      return true;
    }
    ++p_;
    open_.push_back({name, scope, node});
    return true;
  }
  std::vector<std::pair<std::string_view, size_t>> attributes_;

  bool End_Tag() {
    const size_t tag_at = p_;
    p_ += 2; // "</"
    std::string_view name;
    if (!Q_Name(name)) return false;
    Skip_Blanks();
    if (At_End() || s_[p_] != '>') return Fail("malformed end tag", tag_at);
    ++p_;
    if (name != open_.back().name)
      return Fail("end tag '" + std::string(name) + "' does not match the open element '" +
                      std::string(open_.back().name) + "'",
                  tag_at);
    prefixes_.resize(open_.back().scope_size);
    open_.pop_back();
    return true;
  }

  // The root element and everything inside it, without recursion so that a
  // deeply nested file cannot exhaust the stack.
  bool Root_Element() {
    ++p_; // '<'
    if (!Start_Tag()) return false;
    size_t text_from = p_;
    bool text_decode = false;
    while (!open_.empty()) {
      if (At_End()) return Fail("element '" + std::string(open_.back().name) + "' is not closed");
      const unsigned char c = Byte();
      if (c == '<') {
        Add_Text(text_from, p_, Char_Data, text_decode);
        if (Starts("</")) {
          if (!End_Tag()) return false;
        } else if (Starts("<!--")) {
          if (!Comment(false)) return false;
        } else if (Starts("<![CDATA[")) {
          p_ += 9;
          const size_t from = p_;
          if (!Chars_Until("]]>", "CDATA section")) return false;
          const std::string_view cdata = s_.substr(from, p_ - 3 - from);
          Add_Text(from, p_ - 3, Cdata, cdata.find('\r') != std::string_view::npos);
        } else if (Starts("<?")) {
          if (!Processing_Instruction(false)) return false;
        } else if (Starts("<!")) {
          return Fail("markup declaration inside an element");
        } else {
          ++p_;
          if (!Start_Tag()) return false;
        }
        text_from = p_;
        text_decode = false;
      } else if (c == '&') {
        if (!Reference()) return false;
        text_decode = true;
      } else if (c >= 0x20 && c < 0x80 && c != ']') {
        ++p_;
      } else {
        if (Starts("]]>")) return Fail("']]>' in text");
        if (c == '\r') text_decode = true;
        if (!Skip_Char()) return false;
      }
    }
    return true;
  }

  bool Document() {
    if (Starts("<?xml") && s_.size() > 5 && Is_Blank(static_cast<unsigned char>(s_[5])))
      if (!Xml_Declaration()) return false;
    bool root_seen = false;
    for (;;) {
      Skip_Blanks();
      if (At_End()) break;
      if (Starts("<!--")) {
        if (!Comment(true)) return false;
      } else if (Starts("<?")) {
        if (!Processing_Instruction(true)) return false;
      } else if (Starts("<!DOCTYPE")) {
        if (root_seen) return Fail("document type declaration after the root element");
        if (!Doctype()) return false;
      } else if (s_[p_] == '<' && !Starts("<!")) {
        if (root_seen) return Fail("a second root element");
        if (!Root_Element()) return false;
        root_seen = true;
      } else {
        return Fail(root_seen ? "text after the root element" : "text before the root element");
      }
    }
    if (!root_seen) return Fail("no root element");
    return true;
  }
};

namespace {} // namespace

bool Normalize_Xml_Encoding(std::string& data, std::string& reason) {
  const auto b = [&](size_t i) {
    return i < data.size() ? static_cast<unsigned char>(data[i]) : 0x100u;
  };
  if (b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) {
    data.erase(0, 3);
  } else if (b(0) == 0x00 && b(1) == 0x00 && ((b(2) == 0xFE && b(3) == 0xFF) || b(2) == 0x00)) {
    reason = "UTF-32 text cannot be read";
    return false;
  } else if (b(0) == 0xFF && b(1) == 0xFE) {
    if (b(2) == 0x00 && b(3) == 0x00) {
      reason = "UTF-32 text cannot be read";
      return false;
    }
    return Utf16_In_Place(data, 2, false, reason);
  } else if (b(0) == 0xFE && b(1) == 0xFF) {
    return Utf16_In_Place(data, 2, true, reason);
  } else if (b(0) == '<' && b(1) == 0x00) {
    return Utf16_In_Place(data, 0, false, reason);
  } else if (b(0) == 0x00 && b(1) == '<') {
    return Utf16_In_Place(data, 0, true, reason);
  }
  const std::string declared = Upper_Case(Declared_Encoding(data));
  if (declared.empty() || declared == "UTF-8" || declared == "UTF8") return true;
  if (declared == "US-ASCII" || declared == "ASCII") {
    for (const char c : data)
      if (static_cast<unsigned char>(c) >= 0x80) {
        reason = "a byte outside US-ASCII in a file declared US-ASCII";
        return false;
      }
    return true;
  }
  if (declared == "ISO-8859-1" || declared == "ISO8859-1" || declared == "ISO_8859-1" ||
      declared == "LATIN1" || declared == "LATIN-1" || declared == "L1") {
    data = Single_Byte_To_Utf8(data, false);
    return true;
  }
  if (declared == "WINDOWS-1252" || declared == "CP1252") {
    data = Single_Byte_To_Utf8(data, true);
    return true;
  }
  reason = "the declared encoding '" + Declared_Encoding(data) + "' cannot be read";
  return false;
}

bool Check_Well_Formed(std::string_view utf8, std::string& reason) {
  TXml_Parser parser(utf8, nullptr);
  return parser.Run(reason);
}

bool TXml_Document::Parse(std::string utf8, std::string& reason) {
  text_ = std::move(utf8);
  TXml_Parser parser(text_, this);
  return parser.Run(reason);
}

} // namespace zentar
