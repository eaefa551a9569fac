# cmake -DSQLITE3=... -DSCRIPT=... -DOUTPUT=... -DTEMPORARY=... -P BuildSqliteDatabase.cmake
# Runs the SQL script into a fresh database and puts it in place only when every statement ran.
file(REMOVE "${TEMPORARY}")
execute_process(
    COMMAND "${SQLITE3}" -bail "${TEMPORARY}" ".read '${SCRIPT}'"
    RESULT_VARIABLE result
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR errors)
    file(REMOVE "${TEMPORARY}")
    message(FATAL_ERROR "building ${OUTPUT} from ${SCRIPT} failed: ${errors}")
endif()
file(RENAME "${TEMPORARY}" "${OUTPUT}")
