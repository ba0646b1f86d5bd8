#ifndef MODEL_M_FORMMETFILENAME_H
#define MODEL_M_FORMMETFILENAME_H

class QL_String;

// The record file the analyser leaves for `source` in `directory`: the
// directory joined with the source's last path component, plus the
// extension "met" (/src/main.c in /out gives /out/main.c.met).
QL_String M_formMetFilename(const QL_String& directory, const QL_String& source);

#endif
