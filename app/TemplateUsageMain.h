#ifndef APP_TEMPLATEUSAGEMAIN_H
#define APP_TEMPLATEUSAGEMAIN_H

// The whole program: "-trace" and "-ver" switches, the application object
// and the run.  Returns the process status.  main() only calls this.
int TemplateUsageMain(int argc, const char* const* argv);

#endif
