# Install-time helpers for the files that are made while installing rather than built: the
# menu entry, whose Exec line must name the program under the prefix actually installed to
# (cmake --install --prefix, or /usr when CPack packs it), and the gzip-compressed manual
# page and changelog, which then need no build step. Each writes into a work folder first
# and installs from there, so DESTDIR, the install manifest and the messages behave as for
# any other installed file.

# The Exec value that runs exactly `path`: '%' doubled; a path with a character the desktop
# entry format reserves goes in double quotes, with '"', '`', '$' and '\' escaped; and then,
# as in every string value, '\' escaped once more.
function(sorbello_desktop_exec_value path out)
    string(REPLACE "%" "%%" argument "${path}")
    set(reserved " \t\n\"'\\><~|&;$*?#()`")
    string(LENGTH "${reserved}" count)
    math(EXPR last "${count} - 1")
    set(needs_quotes FALSE)
    foreach(i RANGE ${last})
        string(SUBSTRING "${reserved}" ${i} 1 c)
        string(FIND "${argument}" "${c}" at)
        if(NOT at EQUAL -1)
            set(needs_quotes TRUE)
        endif()
    endforeach()
    if(needs_quotes)
        string(REPLACE "\\" "\\\\" argument "${argument}")
        string(REPLACE "\"" "\\\"" argument "${argument}")
        string(REPLACE "`" "\\`" argument "${argument}")
        string(REPLACE "$" "\\$" argument "${argument}")
        set(argument "\"${argument}\"")
    endif()
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "\n" "\\n" argument "${argument}")
    string(REPLACE "\t" "\\t" argument "${argument}")
    string(REPLACE "\r" "\\r" argument "${argument}")
    set(${out} "${argument}" PARENT_SCOPE)
endfunction()

function(sorbello_under_prefix dir out)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

# Installs the menu entry made from `template` for the program in `bindir`, into `appsdir`
# (both relative to the prefix unless absolute).
function(sorbello_install_menu_entry template bindir appsdir workdir)
    sorbello_under_prefix("${bindir}" program_dir)
    sorbello_desktop_exec_value("${program_dir}/sorbello" exec)
    file(READ "${template}" entry)
    string(REPLACE "@SORBELLO_EXEC@" "${exec}" entry "${entry}")
    file(MAKE_DIRECTORY "${workdir}")
    file(WRITE "${workdir}/sorbello.desktop" "${entry}")
    sorbello_under_prefix("${appsdir}" destination)
    file(INSTALL "${workdir}/sorbello.desktop" DESTINATION "${destination}" TYPE FILE)
endfunction()

# Installs `file` compressed as `name` into `destination`, without a name or a time stamp in
# the gzip header, so that equal sources give equal packages.
function(sorbello_install_gzipped file name destination workdir)
    file(MAKE_DIRECTORY "${workdir}")
    execute_process(COMMAND gzip -9 -n -c "${file}" OUTPUT_FILE "${workdir}/${name}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${file}")
    endif()
    sorbello_under_prefix("${destination}" target)
    file(INSTALL "${workdir}/${name}" DESTINATION "${target}" TYPE FILE)
endfunction()
