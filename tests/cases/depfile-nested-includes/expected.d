@SCRATCH@/out.rc: \
  @SCRATCH@/in.r \
  @SCRATCH@/sub/outer.h \
  @SCRATCH@/inner.h
