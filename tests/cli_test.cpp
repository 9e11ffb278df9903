// Runs the built binary and compares its whole standard output, byte for byte, and its exit code.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <FreeImage.h>

#include <string>
#include <vector>

#include "fixtures.h"

namespace {

const std::string usage_for(const std::string& program) {
  return "\nDisplay time JPG photo(s) taken;\n"
         "and optionally, change mod-time to time-taken.\n\n"
         "Usage: " +
         program +
         " {flags} [filename]\n"
         "\twhere {flags} can be any combo of the following:\n"
         "\t      -l -> show long paths for files\n"
         "\t      -q -> quiet: suppresses bgn & end msgs\n"
         "\t      -t -> touch file(s) to make mod-time = time-taken\n"
         "\t      if no -t, just display time-taken for each file\n"
         "\t      -f -> fast: read photo headers only, do not decode the images\n"
         "\t  and [filename] is the JPG file(s) to display/touch\n"
         "\t      [filename] may contain a path and/or wildcards\n"
         "\t      [filename] may be omitted & will be prompted for.\n"
         "\nIf there is no JPG header with time-taken, mod-time is displayed.\n\n";
}

const std::string usage = usage_for(SHOTTIME_BINARY);

run_setup in_folder(const std::string& cwd, const std::string& tz = "UTC") {
  run_setup setup;
  setup.cwd = cwd;
  setup.tz = tz;
  return setup;
}

// A folder of photos: two with a time-taken, one without, and things that are no photos.
class cli : public ::testing::Test {
 protected:
  void SetUp() override {
    write_photo(dir / "b.jpg", {date_time_original("2011:07:04 10:00:00")}, utc(2020, 1, 1));
    write_photo(dir / "A.JPG", {date_time("2012:12:24 18:30:00")}, utc(2020, 1, 1));
    write_photo(dir / "c.jpg", {}, utc(2015, 1, 2, 3, 4, 5));
    write_file(dir / "notes.txt", "not a photo\n");
  }

  run_result run(const std::vector<std::string>& args, const std::string& tz = "UTC") {
    return run_tool(args, in_folder(dir.path(), tz));
  }

  temp_dir dir;
};

struct usage_case {
  std::vector<std::string> args;
};

class usage_cases : public cli, public ::testing::WithParamInterface<usage_case> {};

TEST_P(usage_cases, prints_usage_and_exits_zero_without_searching) {
  const run_result r = run(GetParam().args);
  EXPECT_EQ(r.out, usage);
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(options, usage_cases,
                         ::testing::Values(usage_case{{"-L", "*.jpg"}}, usage_case{{"-x", "*.jpg"}},
                                           usage_case{{"-", "*.jpg"}}, usage_case{{"/", "*.jpg"}},
                                           usage_case{{"/photos/x.jpg"}},
                                           usage_case{{"-t", "-Q", "*.jpg"}},
                                           usage_case{{"-q", "-?"}}),
                         [](const ::testing::TestParamInfo<usage_case>& info) {
                           return "case_" + std::to_string(info.index);
                         });

TEST_F(cli, lists_time_taken_or_mod_time_in_name_order) {
  const run_result r = run({"*.jpg"});
  EXPECT_EQ(r.out,
            "Displaying time-taken for *.jpg\n\n"
            "2012-12-24 18:30:00\tA.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "2015-01-02 03:04:05\tc.jpg\n"
            "\n3 files, time-taken available for 2 files\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "");
}

TEST_F(cli, quiet_keeps_only_the_file_lines) {
  const run_result r = run({"-q", "*.jpg"});
  EXPECT_EQ(r.out,
            "2012-12-24 18:30:00\tA.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "2015-01-02 03:04:05\tc.jpg\n");
  EXPECT_EQ(r.exit_code, 0);
}

TEST_F(cli, options_combine_and_repeat_and_take_slash_form) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"/q", "/l", "b.jpg"}, {"-q", "-l", "-q", "b.jpg"}, {"-qx", "-lzz", "b.jpg"}}) {
    const run_result r = run(args);
    EXPECT_EQ(r.out, "2011-07-04 10:00:00\tb.jpg\n") << args[0];
    EXPECT_EQ(r.exit_code, 0);
  }
}

TEST_F(cli, only_second_character_of_an_option_counts) {
  // "-lq" sets long paths only, so the header and summary stay.
  const run_result r = run({"-lq", "b.jpg"});
  EXPECT_EQ(r.out,
            "Displaying time-taken for b.jpg\n\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "\n1 files, time-taken available for 1 files\n");
}

TEST_F(cli, arguments_after_the_pattern_are_ignored) {
  const run_result r = run({"-q", "b.jpg", "-t", "A.JPG", "-x"});
  EXPECT_EQ(r.out, "2011-07-04 10:00:00\tb.jpg\n");
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2020, 1, 1));  // -t after the pattern: no touch
}

TEST_F(cli, no_match_says_so_with_exit_code_one_even_when_quiet) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"*.png"}, {"-q", "*.png"}, {"missing/*.jpg"}, {""}, {"sub/"}}) {
    const run_result r = run(args);
    EXPECT_EQ(r.out, "No " + args.back() + " files found\n");
    EXPECT_EQ(r.exit_code, 1);
  }
}

TEST_F(cli, files_that_do_not_load_get_no_line_and_no_count) {
  mkdir((dir / "folder.jpg").c_str(), 0755);
  const run_result r = run({"*.txt"});
  EXPECT_EQ(r.out,
            "Displaying time-taken for *.txt\n\n"
            "\n0 files, time-taken available for 0 files\n");
  EXPECT_EQ(r.exit_code, 0);
  const run_result folder = run({"-q", "folder.*"});
  EXPECT_EQ(folder.out, "");
  EXPECT_EQ(folder.exit_code, 0);
}

TEST_F(cli, star_matches_dot_entries_and_every_file_format_the_library_reads) {
  write_file(dir / "photo.png", with_exif(plain_jpeg(), {date_time("2010:01:01 00:00:01")}));
  write_file(dir / "real.png", image_in_format(FIF_PNG));
  set_times(dir / "real.png", utc(2001, 2, 3, 4, 5, 6), utc(2001, 2, 3, 4, 5, 6));
  const run_result r = run({"-q", "*"});
  EXPECT_EQ(r.out,
            "2012-12-24 18:30:00\tA.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "2015-01-02 03:04:05\tc.jpg\n"
            "2010-01-01 00:00:01\tphoto.png\n"
            "2001-02-03 04:05:06\treal.png\n");
}

TEST_F(cli, fast_mode_lists_exactly_what_the_full_decode_lists) {
  write_file(dir / "photo.png", with_exif(plain_jpeg(), {date_time("2010:01:01 00:00:01")}));
  write_file(dir / "real.png", image_in_format(FIF_PNG));
  write_file(dir / "scan.tif", tiff_with_date_time("2011:07:04 10:00:00"));
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"*"}, {"-q", "*"}, {"-l", "*.jpg"}, {"*.txt"}, {"*.none"}}) {
    const run_result full = run(args);
    std::vector<std::string> fast_args = {"-f"};
    fast_args.insert(fast_args.end(), args.begin(), args.end());
    const run_result fast = run(fast_args);
    EXPECT_EQ(fast.out, full.out) << args[0];
    EXPECT_EQ(fast.exit_code, full.exit_code) << args[0];
  }
}

TEST_F(cli, fast_mode_lists_a_photo_with_damaged_image_data_silently) {
  const std::string photo =
      with_exif(noisy_jpeg(320, 240), {date_time_original("2022:05:01 12:00:00")});
  write_file(dir / "cut.jpg", photo.substr(0, photo.size() * 3 / 4));
  EXPECT_EQ(run({"-q", "cut.jpg"}).out,
            "\n*** JPEG Format\nPremature end of JPEG file ***\n"
            "2022-05-01 12:00:00\tcut.jpg\n");
  EXPECT_EQ(run({"-q", "-f", "cut.jpg"}).out, "2022-05-01 12:00:00\tcut.jpg\n");
  // A photo whose header is damaged fails in both modes.
  write_file(dir / "head.jpg", photo.substr(0, 300));
  EXPECT_EQ(run({"-q", "-f", "head.jpg"}).exit_code, 0);
  EXPECT_EQ(run({"-q", "-f", "head.jpg"}).out.find("head.jpg"), std::string::npos);
}

TEST_F(cli, fast_mode_combines_with_other_options_in_any_order) {
  const std::string listed = "2011-07-04 10:00:00\tb.jpg\n";
  EXPECT_EQ(run({"-f", "-q", "-l", "b.jpg"}).out, listed);
  EXPECT_EQ(run({"-l", "/f", "-q", "b.jpg"}).out, listed);
  EXPECT_EQ(run({"-q", "-t", "-f", "b.jpg"}, "Europe/Berlin").out, listed);
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 8));
  EXPECT_EQ(run({"-f", "-t", "b.jpg"}, "Europe/Berlin").out,
            "Changing mod-times to time-taken for b.jpg\n\n" + listed +
                "\n1 files, mod-time set to time-taken for 1 files\n");
}

TEST_F(cli, photo_whose_exif_would_crash_the_library_is_reported_not_read) {
  // Found by fuzzing: a first EXIF directory of 0x6423 entries in a block of a few bytes.
  const std::string exif(
      "Exif\0\0II*\0\x08\0\0\0\x23\x64"
      "def",
      19);
  const std::string jpeg = plain_jpeg();
  write_file(dir / "crafted.jpg", jpeg.substr(0, 2) + "\xFF\xE1" + '\0' +
                                      static_cast<char>(exif.size() + 2) + exif + jpeg.substr(2));
  for (const char* fast : {"-q", "-f"}) {
    const run_result r = run({"-q", fast, "*.jpg"});
    EXPECT_EQ(r.out,
              "2012-12-24 18:30:00\tA.JPG\n"
              "2011-07-04 10:00:00\tb.jpg\n"
              "2015-01-02 03:04:05\tc.jpg\n"
              "\n*** JPEG Format\nDamaged EXIF header, photo not read ***\n");
    EXPECT_EQ(r.exit_code, 0);
  }
}

TEST_F(cli, tiff_photo_leaves_standard_error_empty) {
  write_file(dir / "scan.tif", tiff_with_date_time("2011:07:04 10:00:00"));
  const run_result r = run({"-q", "*.tif"});
  EXPECT_EQ(r.out, "2011-07-04 10:00:00\tscan.tif\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(cli, long_paths_keep_the_folder_part_as_typed) {
  mkdir((dir / "trip").c_str(), 0755);
  mkdir((dir / "trip/day 1").c_str(), 0755);
  write_photo(dir / "trip/day 1/IMG_0001.JPG", {date_time_original("2019:08:01 07:00:00")});
  const run_result nested = run({"-l", "-q", "trip/day 1/*.jpg"});
  EXPECT_EQ(nested.out, "2019-08-01 07:00:00\ttrip/day 1/IMG_0001.JPG\n");
  mkdir((dir / "trip/day 2").c_str(), 0755);
  const run_result relative =
      run_tool({"-l", "-q", "../day 1/img_0001.jpg"}, in_folder(dir / "trip/day 2"));
  EXPECT_EQ(relative.out, "2019-08-01 07:00:00\t../day 1/IMG_0001.JPG\n");
  const run_result short_form = run({"-q", "trip/day 1/*"});
  EXPECT_EQ(short_form.out, "2019-08-01 07:00:00\tIMG_0001.JPG\n");
}

TEST_F(cli, awkward_names_are_reported_as_stored) {
  mkdir((dir / "odd").c_str(), 0755);
  for (const char* name : {"-dash.jpg", "with blank.jpg", "quote'\"s.jpg", "caf\xC3\xA9.jpg",
                           "star*name.jpg", "[x].jpg"}) {
    write_photo(dir / (std::string("odd/") + name), {date_time_original("2011:07:04 10:00:00")});
  }
  const run_result r = run({"-q", "odd/*"});
  EXPECT_EQ(r.out,
            "2011-07-04 10:00:00\t-dash.jpg\n"
            "2011-07-04 10:00:00\t[x].jpg\n"
            "2011-07-04 10:00:00\tcaf\xC3\xA9.jpg\n"
            "2011-07-04 10:00:00\tquote'\"s.jpg\n"
            "2011-07-04 10:00:00\tstar*name.jpg\n"
            "2011-07-04 10:00:00\twith blank.jpg\n");
  EXPECT_EQ(run({"-q", "odd/[x].jpg"}).out, "2011-07-04 10:00:00\t[x].jpg\n");
  EXPECT_EQ(run({"-q", "odd/caf?.jpg"}).out, "2011-07-04 10:00:00\tcaf\xC3\xA9.jpg\n");
}

TEST_F(cli, damaged_photo_shows_the_library_message_and_no_line) {
  const std::string photo = with_exif(plain_jpeg(64, 64), {date_time("2011:07:04 10:00:00")});
  write_file(dir / "broken.jpg", photo.substr(0, photo.size() / 2));
  write_file(dir / "empty.jpg", "");
  const run_result r = run({"-q", "*.jpg"});
  EXPECT_EQ(r.out,
            "2012-12-24 18:30:00\tA.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "\n*** JPEG Format\nPremature end of JPEG file ***\n"
            "\n*** JPEG Format\nInvalid JPEG file structure: missing SOS marker ***\n"
            "2015-01-02 03:04:05\tc.jpg\n"
            "\n*** JPEG Format\nEmpty input file ***\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "");
}

TEST_F(cli, mod_time_renders_in_the_zone_of_the_run_in_summer_and_winter) {
  write_photo(dir / "summer.jpg", {}, utc(2021, 7, 1, 12, 0, 0));
  write_photo(dir / "winter.jpg", {}, utc(2021, 1, 15, 12, 0, 0));
  write_photo(dir / "early.jpg", {}, 1);
  struct zone_case {
    const char* tz;
    const char* summer;
    const char* winter;
  };
  for (const zone_case& z :
       {zone_case{"UTC", "2021-07-01 12:00:00", "2021-01-15 12:00:00"},
        zone_case{"Europe/Berlin", "2021-07-01 14:00:00", "2021-01-15 13:00:00"},
        zone_case{"America/New_York", "2021-07-01 08:00:00", "2021-01-15 07:00:00"},
        zone_case{"Australia/Sydney", "2021-07-01 22:00:00", "2021-01-15 23:00:00"}}) {
    const run_result r = run({"-q", "*er.jpg"}, z.tz);
    EXPECT_EQ(r.out, std::string(z.summer) + "\tsummer.jpg\n" + z.winter + "\twinter.jpg\n")
        << z.tz;
  }
  // One second after 1970 began in UTC is still 1969 in New York: no mod-time to show.
  EXPECT_EQ(run({"-q", "early.jpg"}, "America/New_York").out, "yyyy-mm-dd ??:??:??\tearly.jpg\n");
  EXPECT_EQ(run({"-q", "early.jpg"}, "UTC").out, "1970-01-01 00:00:01\tearly.jpg\n");
}

TEST_F(cli, overlong_pattern_is_refused_not_cut) {
  const std::string pattern(512, 'x');
  const run_result r = run({pattern});
  EXPECT_EQ(r.out, "Pattern longer than 511 characters: " + pattern + "\n");
  EXPECT_EQ(r.exit_code, 1);
}

TEST_F(cli, file_whose_path_would_overflow_is_skipped_with_a_message) {
  // A folder part of 300 bytes and names of 250 bytes: the path would need 550.
  std::string folder = "deep";
  mkdir((dir / folder).c_str(), 0755);
  for (int i = 0; i < 6; ++i) {
    folder += "/" + std::string(49, 'd');
    mkdir((dir / folder).c_str(), 0755);
  }
  const std::string long_name = std::string(246, 'n') + ".jpg";
  write_photo(dir / (folder + "/" + long_name), {date_time("2011:07:04 10:00:00")});
  write_photo(dir / (folder + "/short.jpg"), {date_time("2011:07:04 10:00:00")});
  const run_result r = run({"-q", folder + "/*.jpg"});
  EXPECT_EQ(r.out, "Skipped " + long_name + ": its path would be longer than 511 characters\n" +
                       "2011-07-04 10:00:00\tshort.jpg\n");
  EXPECT_EQ(r.exit_code, 0);
}

TEST_F(cli, touch_sets_mod_times_and_counts_them) {
  const run_result r = run({"-t", "*.jpg"}, "Europe/Berlin");
  EXPECT_EQ(r.out,
            "Changing mod-times to time-taken for *.jpg\n\n"
            "2012-12-24 18:30:00\tA.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "2015-01-02 04:04:05\tc.jpg\n"
            "\n3 files, mod-time set to time-taken for 2 files\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(mod_time_of(dir / "A.JPG"), utc(2012, 12, 24, 17, 30));
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 8));
  EXPECT_EQ(mod_time_of(dir / "c.jpg"), utc(2015, 1, 2, 3, 4, 5));  // no time-taken: untouched
  // A second run finds every mod-time already right and changes nothing.
  EXPECT_EQ(run({"-t", "*.jpg"}, "Europe/Berlin").out, r.out);
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 8));
  // Listing afterwards, the mod-time of a photo shows its time-taken.
  write_photo(dir / "b.jpg", {}, utc(2011, 7, 4, 8));
  EXPECT_EQ(run({"-q", "b.jpg"}, "Europe/Berlin").out, "2011-07-04 10:00:00\tb.jpg\n");
}

TEST_F(cli, quiet_touch_prints_only_the_lines) {
  const run_result r = run({"/t", "-q", "-l", "b.jpg"}, "America/New_York");
  EXPECT_EQ(r.out, "2011-07-04 10:00:00\tb.jpg\n");
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 14));
}

TEST_F(cli, touch_failure_is_said_and_not_counted) {
  write_photo(dir / "old.jpg", {date_time_original("1969:12:31 23:00:00")}, utc(2020, 1, 1));
  for (const char* name : {"A.JPG", "b.jpg", "c.jpg", "old.jpg"}) {
    chmod((dir / name).c_str(), 0444);
  }
  run_setup setup = in_folder(dir.path(), "Australia/Sydney");
  setup.unprivileged = true;
  chmod(dir.path().c_str(), 0755);
  const run_result r = run_tool({"-t", "-l", "*.jpg"}, setup);
  EXPECT_EQ(r.out,
            "Changing mod-times to time-taken for *.jpg\n\n"
            "2012-12-24 18:30:00\tA.JPG\n"
            "Unable to set mod-time of A.JPG\n"
            "2011-07-04 10:00:00\tb.jpg\n"
            "Unable to set mod-time of b.jpg\n"
            "2015-01-02 14:04:05\tc.jpg\n"
            "1969-12-31 23:00:00\told.jpg\n"
            "Unable to set mod-time of old.jpg\n"
            "\n4 files, mod-time set to time-taken for 0 files\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2020, 1, 1));
  EXPECT_EQ(mod_time_of(dir / "old.jpg"), utc(2020, 1, 1));
}

// Without a display the chooser asks at the console; its answers come from standard input.
class console_chooser : public cli {
 protected:
  run_result choose(const std::vector<std::string>& args, const std::string& input) {
    run_setup setup = in_folder(dir.path());
    setup.input = input;
    setup.env = {"HOME=" + dir.path()};
    return run_tool(args, setup);
  }

  const std::string prompt =
      "Use the dialog box to choose file(s)\n"
      "You can use Ctrl+Click & Shift+Click to select multiple files\n"
      "Choose photos(s); use Ctrl+Click and/or Shift+Click for Multi-Select\n"
      "File name or pattern (empty line cancels): \n";
};

TEST_F(console_chooser, bare_run_asks_touch_question_and_pauses_at_the_end) {
  const run_result r = choose({}, "*.jpg\nn\n\n");
  EXPECT_EQ(r.out, prompt + "Processing...\n\n" +
                       "Change the mod-time(s) to the time-taken? (y/n): \n" +
                       "Displaying time-taken for " + dir.path() + "/*.jpg\n\n" +
                       "2012-12-24 18:30:00\tA.JPG\n"
                       "2011-07-04 10:00:00\tb.jpg\n"
                       "2015-01-02 03:04:05\tc.jpg\n"
                       "\n3 files, time-taken available for 2 files\n"
                       "Press Enter to continue . . . \n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2020, 1, 1));
}

TEST_F(console_chooser, yes_to_the_touch_question_touches) {
  const run_result r = choose({}, "b.jpg\ny\n");
  EXPECT_EQ(r.out, prompt + "Processing...\n\n" +
                       "Change the mod-time(s) to the time-taken? (y/n): \n" +
                       "Changing mod-times to time-taken for " + dir.path() + "/b.jpg\n\n" +
                       "2011-07-04 10:00:00\tb.jpg\n"
                       "\n1 files, mod-time set to time-taken for 1 files\n"
                       "Press Enter to continue . . . \n");
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 10));
}

TEST_F(console_chooser, options_only_skip_the_question_and_the_pause) {
  const run_result r = choose({"-t", "-l"}, "b.jpg\n");
  EXPECT_EQ(r.out, prompt + "Processing...\n\n" + "Changing mod-times to time-taken for " +
                       dir.path() + "/b.jpg\n\n" + "2011-07-04 10:00:00\t" + dir.path() +
                       "/b.jpg\n" + "\n1 files, mod-time set to time-taken for 1 files\n");
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(mod_time_of(dir / "b.jpg"), utc(2011, 7, 4, 10));
}

TEST_F(console_chooser, nothing_found_pauses_and_asks_again_until_cancel) {
  for (const std::string& input : {std::string("*.png\n\n"), std::string("*.png\n\n\n")}) {
    const run_result r = choose({}, input);
    EXPECT_EQ(r.out, prompt + "Processing...\n\n" + "No " + dir.path() + "/*.png files found\n" +
                         "Press Enter to continue . . . \n" + prompt + "Canceled");
    EXPECT_EQ(r.exit_code, 1);
  }
}

TEST_F(console_chooser, cancel_ends_with_exit_code_one_and_no_pause) {
  for (const std::string& input : {std::string(""), std::string("\n"), std::string("\ny\n")}) {
    const run_result r = choose({}, input);
    EXPECT_EQ(r.out, prompt + "Canceled");
    EXPECT_EQ(r.exit_code, 1);
  }
  EXPECT_EQ(choose({"-q"}, "").out, prompt + "Canceled");
}

TEST_F(console_chooser, folder_typed_is_offered_as_its_photos) {
  mkdir((dir / "trip").c_str(), 0755);
  write_photo(dir / "trip/IMG_0001.JPG", {date_time_original("2019:08:01 07:00:00")});
  const run_result r = choose({"-q"}, "trip\ny\n");
  EXPECT_EQ(r.out, prompt + "Processing...\n\n" + "trip in a folder, not a file\n" +
                       "Did you mean " + dir.path() + "/trip/*.jpg? (y/n): \n" +
                       "2019-08-01 07:00:00\tIMG_0001.JPG\n");
  EXPECT_EQ(r.exit_code, 0);
}

}  // namespace
