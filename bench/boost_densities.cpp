#include <boost/math/distributions/non_central_chi_squared.hpp>

#include "competitors.h"

namespace kelvaro::bench {

void boost_densities(const Workload& w, double* density) {
  for (std::size_t i = 0; i < w.x.size(); ++i) {
    const boost::math::non_central_chi_squared distribution(w.df, w.lambda[i]);
    density[i] = boost::math::pdf(distribution, w.x[i]);
  }
}

}  // namespace kelvaro::bench
