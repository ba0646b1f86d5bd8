#include "messages/M_ErrFileRecords.h"

#include "messages/M_ErrFileFormat.h"
#include "messages/M_ErrorFileExceptions.h"

using namespace M_ErrFileFormat;

namespace {

void appendText(U_String& key, const U_String& text) {
  key += std::to_string(text.size()) + ":" + text;
}

// The full content of a location as a text, so that equal locations (also
// when they are different objects) share one id in the writer's table.
U_String locationKey(const U_Location& loc) {
  U_String key = "F";
  appendText(key, loc.getFilename().str());
  key += "L" + std::to_string(loc.getLine()) + "C" + std::to_string(loc.getColumn());
  if (loc.hasInclLocation()) key += "I(" + locationKey(loc.getInclLocation()) + ")";
  if (loc.isFromMacro()) {
    key += "M(";
    for (const auto& e : loc.getMacroHistory()->expansions) {
      appendText(key, e.macroName);
      appendText(key, e.file.str());
      key += std::to_string(e.line) + "," + std::to_string(e.column) + ";";
    }
    key += ")";
  }
  if (loc.isFromHashLine()) {
    key += "H";
    appendText(key, loc.getHashLineFilename().str());
    key += std::to_string(loc.getHashLineLine());
  }
  if (loc.isFromInstantiation()) {
    key += "N(" + locationKey(loc.getInstLocation()) + ")";
    appendText(key, loc.getInstArgs());
  }
  if (loc.isFromFnCall()) key += "K(" + locationKey(loc.getFnCallLocation()) + ")";
  return key;
}

uint8_t locationFlags(const U_Location& loc) {
  uint8_t flags = 0;
  if (loc.hasInclLocation()) flags |= kLocIncl;
  if (loc.isFromInstantiation()) flags |= kLocInst;
  if (loc.isFromMacro() && !loc.getMacroHistory()->expansions.empty()) flags |= kLocMacro;
  if (loc.isFromHashLine()) flags |= kLocHashLine;
  if (loc.isFromFnCall()) flags |= kLocCall;
  return flags;
}

void writeMacroHistory(R_Writer& w, const U_MacroHistory& history) {
  const auto& exps = history.expansions;
  for (size_t i = 0; i < exps.size(); ++i) {
    R_writeLocation(w, U_Location(exps[i].file, exps[i].line, exps[i].column));
    R_writeIdentifier(w, exps[i].macroName);
    w.writeBool(i + 1 < exps.size());
  }
}

U_BPtr<U_MacroHistory> readMacroHistory(R_Reader& r, int depth) {
  U_BPtr<U_MacroHistory> history(new U_MacroHistory());
  bool more = true;
  while (more) {
    U_Location at = R_readLocation(r, depth + 1);
    U_MacroHistory::Expansion e;
    e.file = at.getFilename();
    e.line = at.getLine();
    e.column = at.getColumn();
    e.macroName = R_readIdentifier(r);
    history->expansions.push_back(e);
    more = r.readBool();
  }
  return history;
}

void checkDepth(int depth) {
  if (depth > kMaxNesting) throw M_BadInfoTypeException();
}

}  // namespace

void R_writeFilename(R_Writer& w, const U_Filename& file) {
  auto& table = w.data().filenames;
  auto it = table.find(file);
  if (it != table.end()) {
    w.writeInt(it->second);
    return;
  }
  int32_t id = w.data().nextFilename++;
  table[file] = id;
  w.writeInt(id);
  // Two components: the directory with its trailing separator, and the
  // last component; their concatenation is the name.
  const U_String& name = file.str();
  size_t slash = name.rfind('/');
  size_t split = slash == U_String::npos ? 0 : slash + 1;
  w.writeString(name.substr(0, split));
  w.writeString(name.substr(split));
}

U_Filename R_readFilename(R_Reader& r) {
  int32_t id = r.readInt();
  if (r.filenames().hasObject(id)) return r.filenames().getObject(id);
  U_String dir = r.readString();
  U_String base = r.readString();
  U_Filename file = (dir.empty() && base.empty()) ? U_Filename() : U_Filename::getString(dir + base);
  r.filenames().addObject(id, file);
  return file;
}

void R_writeIdentifier(R_Writer& w, const U_String& identifier) {
  auto& table = w.data().identifiers;
  auto it = table.find(identifier);
  if (it != table.end()) {
    w.writeInt(it->second);
    return;
  }
  int32_t id = w.data().nextIdentifier++;
  table[identifier] = id;
  w.writeInt(id);
  w.writeString(identifier);
}

U_String R_readIdentifier(R_Reader& r) {
  int32_t id = r.readInt();
  if (r.identifiers().hasObject(id)) return r.identifiers().getObject(id);
  U_String text = r.readString();
  r.identifiers().addObject(id, text);
  return text;
}

void R_writeLocation(R_Writer& w, const U_Location& loc) {
  U_String key = locationKey(loc);
  auto& table = w.data().locations;
  auto it = table.find(key);
  if (it != table.end()) {
    w.writeInt(it->second);
    return;
  }
  int32_t id = w.data().nextLocation++;
  table[key] = id;
  w.writeInt(id);
  R_writeFilename(w, loc.getFilename());
  w.writeInt(loc.getLine());
  w.writeInt(loc.getColumn());
  uint8_t flags = locationFlags(loc);
  w.writeByte(flags);
  if (flags & kLocIncl) R_writeLocation(w, loc.getInclLocation());
  if (flags & kLocMacro) writeMacroHistory(w, *loc.getMacroHistory());
  if (flags & kLocHashLine) {
    R_writeFilename(w, loc.getHashLineFilename());
    w.writeInt(loc.getHashLineLine());
  }
  if (flags & kLocInst) {
    R_writeLocation(w, loc.getInstLocation());
    w.writeString(loc.getInstArgs());
  }
  if (flags & kLocCall) R_writeLocation(w, loc.getFnCallLocation());
}

U_Location R_readLocation(R_Reader& r, int depth) {
  checkDepth(depth);
  int32_t id = r.readInt();
  if (r.locations().hasObject(id)) return r.locations().getObject(id);
  U_Filename file = R_readFilename(r);
  int32_t line = r.readInt();
  int32_t column = r.readInt();
  uint8_t flags = r.readByte();
  U_Location incl;
  U_BPtr<U_MacroHistory> macros;
  if (flags & kLocIncl) incl = R_readLocation(r, depth + 1);
  if (flags & kLocMacro) macros = readMacroHistory(r, depth);
  U_Location loc(file, line, column, macros, incl);
  if (flags & kLocHashLine) {
    U_Filename hashFile = R_readFilename(r);
    loc = loc.addHashLine(hashFile, r.readInt());
  }
  if (flags & kLocInst) {
    U_Location inst = R_readLocation(r, depth + 1);
    loc = loc.instantiateLocation(inst, r.readString());
  }
  if (flags & kLocCall) loc = loc.addCalledFromLocation(R_readLocation(r, depth + 1));
  r.locations().addObject(id, loc);
  return loc;
}

void R_writeParamTypeVisitor::onNode(const M_ParamStringType& p) const {
  m_writer.writeByte(kParamString);
  m_writer.writeString(p.getString());
}

void R_writeParamTypeVisitor::onNode(const M_ParamEntityType& p) const {
  m_writer.writeByte(kParamString);
  m_writer.writeString(p.getDisplayName());
}

void R_writeParamTypeVisitor::onNode(const M_ParamListType& p) const {
  m_writer.writeByte(kParamList);
  m_writer.writeInt(static_cast<int32_t>(p.getList().size()));
  for (const auto& item : p.getList()) m_writer.writeString(item);
}

void R_writeParamTypeVisitor::onNode(const M_ParamMsgListType& p) const {
  m_writer.writeByte(kParamMsgList);
  int32_t count = 0;
  for (const auto& d : p.getMsgList()) count += d.isSet() ? 1 : 0;
  m_writer.writeInt(count);
  for (const auto& d : p.getMsgList())
    if (d.isSet()) R_writeDiagnostic(m_writer, *d, d->isUserHidden() ? kFlagUserHidden : 0);
}

void R_writeDiagnostic(R_Writer& w, const M_Diagnostic& diag, int32_t flags) {
  R_writeLocation(w, diag.getLocation());
  w.writeInt(diag.getMsgNo());
  w.writeInt(flags);
  w.writeInt(diag.isError() ? 1 : 0);
  w.writeInt(diag.parameters());
  R_writeParamTypeVisitor visitor(w);
  for (int i = 0; i < diag.parameters(); ++i) diag.parameter(i)->navigate(visitor);
}

U_BPtr<M_Diagnostic> R_readDiagnostic(R_Reader& r, int depth) {
  checkDepth(depth);
  U_BPtr<M_Diagnostic> diag(new M_Diagnostic());
  diag->setLocation(R_readLocation(r));
  diag->setMsgNo(r.readInt());
  int32_t flags = r.readInt();
  diag->setHidden((flags & kFlagHidden) != 0);
  diag->setUserHidden((flags & kFlagUserHidden) != 0);
  diag->setSuppressed((flags & (kFlagHidden | kFlagUserHidden)) != 0);
  diag->setError(r.readInt() != 0);
  int32_t count = r.readCount();
  for (int32_t i = 0; i < count; ++i) {
    uint8_t kind = r.readByte();
    if (kind == kParamString) {
      diag->addParameter(r.readString());
    } else if (kind == kParamList) {
      int32_t n = r.readCount();
      std::vector<U_String> items;
      for (int32_t k = 0; k < n; ++k) items.push_back(r.readString());
      diag->addParameter(items);
    } else if (kind == kParamMsgList) {
      int32_t n = r.readCount();
      M_DiagnosticMsgList msgs;
      for (int32_t k = 0; k < n; ++k) msgs.push_back(R_readDiagnostic(r, depth + 1));
      diag->addParameter(msgs);
    }
    // Any other kind byte carries no body and adds no parameter.
  }
  return diag;
}

void R_writeSuppressionRecord(R_Writer& w, const M_SuppressionRecord& rec) {
  w.writeByte(static_cast<uint8_t>(rec.kind));
  R_writeLocation(w, rec.tagLocation);
  w.writeString(rec.tag);
  w.writeInt(static_cast<int32_t>(rec.messages.size()));
  for (const auto& range : rec.messages) {
    w.writeString(range.first);
    w.writeString(range.second);
  }
  w.writeByte(4);
  R_writeLocation(w, rec.startLocation);
  w.writeBool(rec.hasEnd);
  if (rec.hasEnd) R_writeLocation(w, rec.endLocation);
}

U_BPtr<M_SuppressionRecord> R_readSuppressionRecord(R_Reader& r) {
  U_BPtr<M_SuppressionRecord> rec(new M_SuppressionRecord());
  rec->kind = r.readByte();
  rec->tagLocation = R_readLocation(r);
  rec->tag = r.readString();
  int32_t n = r.readCount();
  for (int32_t i = 0; i < n; ++i) {
    U_String first = r.readString();
    rec->messages.emplace_back(first, r.readString());
  }
  rec->extra = r.readByte();
  rec->startLocation = R_readLocation(r);
  rec->hasEnd = r.readBool();
  if (rec->hasEnd) rec->endLocation = R_readLocation(r);
  return rec;
}
