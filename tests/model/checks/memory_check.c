/*
 * memory_check - whether the library leaves its host's allocator settings
 * and threads alone.
 *
 * Usage: memory_check default|large WORK-DIR
 *
 * Writes a project big enough for the library's memory set-up to come
 * into play (its record file fills several dozen megabytes of model) to
 * WORK-DIR, reads it in library mode and counts the calls of mallopt (this
 * program's own definition stands in for the C library's, so every call
 * from the library lands here) and the threads of the process.
 *   default  nothing asked: no mallopt call, no thread but the main one
 *   large    PI_configureLargeModelMemory first: the set-up does both,
 *            which shows that this test can see them
 */
#include <dirent.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <tukpal/PI_Interface.h>

static int g_malloptCalls;

/* Stands in for the C library's mallopt; settings are accepted, not kept. */
int mallopt(int param, int value) {
  (void)param, (void)value, ++g_malloptCalls;
  return 1;
}

static void onNewSymbol(P_Symbol* sym, P_Define* def) { (void)sym, (void)def; }

static int threadCount(void) {
  int count = 0;
  struct dirent* entry;
  DIR* tasks = opendir("/proc/self/task");
  if (tasks == NULL) return -1;
  while ((entry = readdir(tasks)) != NULL)
    if (entry->d_name[0] != '.') ++count;
  closedir(tasks);
  return count;
}

/* One unit with many file-scope variables of long, distinct names. */
static int writeProject(const char* dir, char* via, size_t size) {
  char path[4096];
  FILE* out;
  long i;
  const char* const parts[] = {"", "/out", "/src"};
  for (i = 0; i < 3; ++i) {
    snprintf(path, sizeof path, "%s%s", dir, parts[i]);
    mkdir(path, 0777);
  }
  snprintf(path, sizeof path, "%s/src/big.cpp", dir);
  out = fopen(path, "w");
  if (out == NULL || fputs("int x;\n", out) < 0 || fclose(out) != 0) return 0;
  snprintf(path, sizeof path, "%s/out/big.cpp.met", dir);
  out = fopen(path, "w");
  if (out == NULL) return 0;
  for (i = 0; i < 300000; ++i)
    fprintf(out,
            "<DEFINE> a_rather_long_variable_name_to_fill_the_model_with_text_%07ld"
            " \"src/big.cpp\" %ld M DD OV F I long -\n",
            i, i % 1000 + 1);
  if (fclose(out) != 0) return 0;
  snprintf(via, size, "%s/args.via", dir);
  out = fopen(via, "w");
  if (out == NULL) return 0;
  fprintf(out, "-op\n%s/out\n%s/src/big.cpp\n", dir, dir);
  return fclose(out) == 0;
}

int main(int argc, char** argv) {
  char via[4096];
  int large;
  int threadsBefore;
  int threadsAfter;
  if (argc != 3 || (strcmp(argv[1], "default") != 0 && strcmp(argv[1], "large") != 0)) {
    fprintf(stderr, "usage: %s default|large WORK-DIR\n", argv[0]);
    return 2;
  }
  large = strcmp(argv[1], "large") == 0;
  if (!writeProject(argv[2], via, sizeof via)) {
    perror(argv[2]);
    return 2;
  }
  g_malloptCalls = 0;
  threadsBefore = threadCount();
  if (large) PI_configureLargeModelMemory();
  PI_configureOnNewSymbol(onNewSymbol);
  if (PI_Initialise("ktlpp", via) != 1) {
    fprintf(stderr, "the project could not be read\n");
    return 1;
  }
  threadsAfter = threadCount();
  printf("mallopt calls %d, threads %d before and %d after reading\n", g_malloptCalls,
         threadsBefore, threadsAfter);
  if (large) return g_malloptCalls > 0 && threadsAfter > threadsBefore ? 0 : 1;
  return g_malloptCalls == 0 && threadsAfter == threadsBefore ? 0 : 1;
}
